#pragma once
// The application object: errors that escape an event handler end here, are reported,
// and the application keeps running.
#include <QApplication>
#include <exception>
#include <functional>

namespace zelmor {

class TZelmorApplication : public QApplication {
    Q_OBJECT
public:
    TZelmorApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows an error that escaped a handler. The handler can be replaced (the error dialog
// installs itself here); until then a plain message box shows it.
using TAppExceptionHandler = std::function<void(const std::exception &e)>;
void SetAppExceptionHandler(TAppExceptionHandler handler);
void HandleAppException(const std::exception &e);

} // namespace zelmor
