#include "ZelmorApplication.h"

#include "platform/Dialogs.h"
#include <stdexcept>

namespace zelmor {

TZelmorApplication::TZelmorApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TZelmorApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        DispatchAppException(e);
    } catch (...) {
        DispatchAppException(std::runtime_error("Unknown error"));
    }
    return false;
}

} // namespace zelmor
