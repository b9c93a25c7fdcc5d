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

} // namespace zelmor
