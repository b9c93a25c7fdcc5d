#include "ZelmorApplication.h"

#include "platform/Dialogs.h"
#include "platform/Errors.h"

#include <cstdio>

namespace zelmor {

namespace {

TAppExceptionHandler g_handler;

void PlainErrorBox(const std::exception &e)
{
    const QString text = ExceptionMessage(e);
    std::fprintf(stderr, "%s: %s\n", qPrintable(ExceptionClassName(e)), qPrintable(text));
    // Closes by itself so that an unattended run is never held by it.
    ShowMessageBox(nullptr, TMsgKind::Error, QApplication::applicationName(), text, 7000);
}

} // namespace

TZelmorApplication::TZelmorApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TZelmorApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        HandleAppException(e);
    } catch (...) {
        HandleAppException(std::runtime_error("Unknown error"));
    }
    return false;
}

void SetAppExceptionHandler(TAppExceptionHandler handler) { g_handler = std::move(handler); }

void HandleAppException(const std::exception &e)
{
    if (g_handler)
        g_handler(e);
    else
        PlainErrorBox(e);
}

} // namespace zelmor
