#pragma once
#include <QString>

namespace zelmor {

// The version a file carries: true when it has one, else all four numbers are 0.
// The program file carries the version it was built as; other files carry none here.
bool GetFileVersion(const QString &fileName, int &major, int &minor, int &release, int &build);

} // namespace zelmor
