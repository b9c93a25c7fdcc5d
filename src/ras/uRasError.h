#pragma once
#include <QString>

namespace zelmor {

// The Dutch text for a connection state of the remote-access service, translated.
QString RasStateText(unsigned state);

} // namespace zelmor
