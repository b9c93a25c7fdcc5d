#include "Dialogs.h"

#include "Messages.h"

#include <QMessageBox>
#include <QTimer>

namespace zelmor {

namespace {
TMessageBoxHook g_hook;
}

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

} // namespace zelmor
