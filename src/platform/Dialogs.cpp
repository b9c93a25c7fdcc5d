#include "Dialogs.h"

#include "Errors.h"
#include "Messages.h"

#include <QApplication>
#include <cstdio>

#include <QMessageBox>
#include <QTimer>

namespace zelmor {

namespace {
TMessageBoxHook g_hook;
TAppExceptionHandler g_appHandler;
} // namespace

void SetMessageBoxHook(TMessageBoxHook hook) { g_hook = std::move(hook); }

void ShowMessageBox(QWidget *parent, TMsgKind kind, const QString &title, const QString &text, int autoCloseMs)
{
    if (g_hook) {
        g_hook(kind, title, text);
        return;
    }
    const QMessageBox::Icon icon = kind == TMsgKind::Error     ? QMessageBox::Critical
                                   : kind == TMsgKind::Warning ? QMessageBox::Warning
                                                               : QMessageBox::Information;
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    if (autoCloseMs > 0)
        QTimer::singleShot(ScaledMs(autoCloseMs), &box, &QMessageBox::accept);
    box.exec();
}

void SetAppExceptionHandler(TAppExceptionHandler handler) { g_appHandler = std::move(handler); }

void DispatchAppException(const std::exception &e)
{
    if (g_appHandler)
        g_appHandler(e);
    else
        PlainErrorBox(e);
}

void PlainErrorBox(const std::exception &e)
{
    const QString text = ExceptionMessage(e);
    std::fprintf(stderr, "%s: %s\n", qPrintable(ExceptionClassName(e)), qPrintable(text));
    ShowMessageBox(nullptr, TMsgKind::Error, QApplication::applicationName(), text, 7000);
}

} // namespace zelmor
