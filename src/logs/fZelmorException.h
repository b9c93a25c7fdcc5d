#pragma once
// The error dialog: the message, a details area with the diagnostic report, Ctrl+C to copy
// it, the report appended to the error log, and a close by itself after seven seconds.
#include "platform/Messages.h"

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <exception>
#include <memory>

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zelmor {

class TFormTranslator;
class TSimpleExceptionLog;

constexpr unsigned UM_BUILDDETAILS = WM_USER + 256;

class TfrmExceptionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExceptionDialog(QWidget *parent = nullptr);
    ~TfrmExceptionDialog() override;

    virtual int ReportWidth() const { return 100; }
    virtual QChar SeparatorChar() const { return QLatin1Char('-'); }

    // Shows the error; an error of another thread carries the thread's name.
    static void ShowError(const std::exception &e, const QString &threadName = QString());
    // The entry for every unhandled error: the dialog, or the plain box while one shows.
    static void Handle(const std::exception &e, const QString &threadName);
    static bool ExceptionShowing() { return s_exceptionShowing; }
    // The dialog being shown, for those who watch it (tests).
    static TfrmExceptionDialog *Instance() { return s_instance; }

    QString ReportText() const;
    bool ShowDetails() const { return m_showDetails; }
    void DetailsBtnClick();

protected:
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void SetError(const std::exception &e, const QString &threadName);
    void BuildDetails();
    void AddSeparator();
    void AddLine(const QString &line);
    void ApplyShowDetails();
    void UpdateTextLabelScrollBar();
    void tmrTimer();

    QPlainTextEdit *m_textLabel;
    QPushButton *m_okBtn, *m_detailsBtn;
    QFrame *m_bevel1;
    QPlainTextEdit *m_detailsMemo;
    QTimer *m_tmr;
    TFormTranslator *m_translator = nullptr;
    TMessageWindow *m_messages = nullptr;
    std::unique_ptr<TSimpleExceptionLog> m_log;

    bool m_showDetails = false;
    bool m_mainThread = true;
    QPointer<QWidget> m_lastFocused;
    int m_heightWithoutDetails = 0;
    int m_fullHeight = 0;
    QString m_stackList;
    QDateTime m_stackTime;

    static bool s_exceptionShowing;
    static TfrmExceptionDialog *s_instance;
};

// Installs the dialog as the receiver of every unhandled error, of the user-interface thread
// and of other threads, and the fatal-signal record of the error log.
void InstallExceptionDialog();
void HandleAppException(const std::exception &e);
void HandleThreadException(const QString &threadName, std::exception_ptr error);

} // namespace zelmor
