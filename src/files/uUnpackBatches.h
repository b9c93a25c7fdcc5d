#pragma once
// After a modem session: ".zzm" archives unpacked in place, then every "zelmor*.bat" started
// hidden through the generated starter "STZELBAT.BAT".
#include "platform/Callbacks.h"

#include <QString>

namespace zelmor {

void UnpackAndRunBatches(const QString &directory, const TStatusTextEvent &onStatusLine);
void RunBatchFile(const QString &path);

} // namespace zelmor
