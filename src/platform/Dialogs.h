#pragma once
// Every modal message box goes through here, so that a test can answer it in advance
// and an unattended client is never held by one.
#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace zelmor {

enum class TMsgKind { Information, Warning, Error };

// A hook replaces the box: it gets the box instead of the user (tests).
using TMessageBoxHook = std::function<void(TMsgKind kind, const QString &title, const QString &text)>;
void SetMessageBoxHook(TMessageBoxHook hook);

// Shows a modal box with one OK button. autoCloseMs > 0 closes it by itself after that
// many (scaled) milliseconds.
void ShowMessageBox(QWidget *parent, TMsgKind kind, const QString &title, const QString &text,
                    int autoCloseMs = 0);

// Errors that escape an event handler go to one receiver: the error dialog once it is
// installed, a plain message box (closing by itself) and stderr until then.
using TAppExceptionHandler = std::function<void(const std::exception &e)>;
void SetAppExceptionHandler(TAppExceptionHandler handler);
void DispatchAppException(const std::exception &e);
// The plain box for an error, also used for a second error while the dialog shows.
void PlainErrorBox(const std::exception &e);

} // namespace zelmor
