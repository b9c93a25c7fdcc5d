#pragma once
#include <QString>

namespace zelmor {

// The documents folder shared by the workstation's users, with a trailing separator.
// ZELMOR_SHARED_DOCS overrides it (tests, demos, several seats on one machine).
QString SharedDocumentsDir();

// The program file (the running executable) and its folder.
QString ProgramFilePath();
QString ProgramDir();
// The program file's name without folder and extension.
QString ProgramBaseName();

} // namespace zelmor
