#include "fZelmorException.h"

#include "uSimpleExceptionLog.h"

#include "platform/DebugSupport.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/FormTranslator.h"
#include "platform/TimeStamp.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <stdexcept>

namespace zelmor {

bool TfrmExceptionDialog::s_exceptionShowing = false;
TfrmExceptionDialog *TfrmExceptionDialog::s_instance = nullptr;

namespace {

QString Hex8(std::uintptr_t v) { return QString::number(qulonglong(v), 16).toUpper().rightJustified(8, QLatin1Char('0')); }

} // namespace

TfrmExceptionDialog::TfrmExceptionDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExceptionDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setMinimumWidth(200);

    m_textLabel = new QPlainTextEdit(this);
    m_textLabel->setObjectName(QStringLiteral("TextLabel"));
    m_textLabel->setGeometry(56, 8, 281, 75);
    m_textLabel->setFrameShape(QFrame::NoFrame);
    m_textLabel->setReadOnly(true);
    m_textLabel->setBackgroundRole(QPalette::Window);
    m_textLabel->viewport()->setBackgroundRole(QPalette::Window);
    m_textLabel->setToolTip(QStringLiteral("Use Ctrl+C to copy the report to the clipboard"));

    m_okBtn = new QPushButton(QStringLiteral("&OK"), this);
    m_okBtn->setObjectName(QStringLiteral("OkBtn"));
    m_okBtn->setGeometry(352, 4, 75, 25);
    m_okBtn->setDefault(true);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);

    m_detailsBtn = new QPushButton(QStringLiteral("&Details"), this);
    m_detailsBtn->setObjectName(QStringLiteral("DetailsBtn"));
    m_detailsBtn->setGeometry(352, 60, 75, 25);
    m_detailsBtn->setToolTip(QStringLiteral("Show or hide additional information"));
    m_detailsBtn->setEnabled(false);
    connect(m_detailsBtn, &QPushButton::clicked, this, &TfrmExceptionDialog::DetailsBtnClick);

    m_bevel1 = new QFrame(this);
    m_bevel1->setObjectName(QStringLiteral("Bevel1"));
    m_bevel1->setFrameShape(QFrame::HLine);
    m_bevel1->setFrameShadow(QFrame::Sunken);
    m_bevel1->setGeometry(3, 91, 428, 9);

    m_detailsMemo = new QPlainTextEdit(this);
    m_detailsMemo->setObjectName(QStringLiteral("DetailsMemo"));
    m_detailsMemo->setGeometry(4, 101, 424, 150);
    m_detailsMemo->setReadOnly(true);
    m_detailsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_detailsMemo->setBackgroundRole(QPalette::Window);
    m_detailsMemo->viewport()->setBackgroundRole(QPalette::Window);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({QStringLiteral("Courier New"), mono.family()});
    mono.setPixelSize(11);
    m_detailsMemo->setFont(mono);

    m_tmr = new QTimer(this);
    m_tmr->setObjectName(QStringLiteral("tmr"));
    m_tmr->setSingleShot(true);
    m_tmr->setInterval(ScaledMs(7000));
    connect(m_tmr, &QTimer::timeout, this, &TfrmExceptionDialog::tmrTimer);

    m_messages = new TMessageWindow([this](unsigned msg, std::intptr_t, std::intptr_t) {
        if (msg == UM_BUILDDETAILS) {
            repaint();
            BuildDetails();
        }
    }, this);

    // Key preview: Ctrl+C reaches the form before any of its controls.
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    installEventFilter(this);

    m_translator = new TFormTranslator(this);
    m_translator->Translate();
    resize(432, 255);
    FormCreate();
}

TfrmExceptionDialog::~TfrmExceptionDialog()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void TfrmExceptionDialog::FormCreate()
{
    m_log = std::make_unique<TSimpleExceptionLog>();
    m_fullHeight = height();
    m_showDetails = false;
    ApplyShowDetails();
    setWindowTitle(QStringLiteral("%1 - application error").arg(QApplication::applicationName()));
}

void TfrmExceptionDialog::ShowError(const std::exception &e, const QString &threadName)
{
    auto *dialog = s_instance ? s_instance : new TfrmExceptionDialog(nullptr);
    s_instance = dialog;
    struct Free {
        TfrmExceptionDialog *d;
        ~Free()
        {
            s_instance = nullptr;
            delete d;
        }
    } freeAfter{dialog};
    dialog->SetError(e, threadName);
    dialog->exec();
}

void TfrmExceptionDialog::SetError(const std::exception &e, const QString &threadName)
{
    m_mainThread = threadName.isEmpty() && QThread::currentThread() == qApp->thread();
    m_lastFocused = QApplication::focusWidget();
    QString message = ExceptionMessage(e);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    m_textLabel->setPlainText(message);
    UpdateTextLabelScrollBar();
    AddLine(QStringLiteral("Exception class: %1").arg(ExceptionClassName(e)));
    if (threadName.isEmpty()) {
        const auto *z = dynamic_cast<const Exception *>(&e);
        AddLine(QStringLiteral("Exception address: %1").arg(Hex8(reinterpret_cast<std::uintptr_t>(z ? z->Address() : nullptr))));
    } else {
        AddLine(QStringLiteral("Thread: %1").arg(threadName));
    }
    if (const auto *z = dynamic_cast<const Exception *>(&e)) {
        m_stackList = z->StackList();
        m_stackTime = z->StackTime();
    }
    AddSeparator();
}

void TfrmExceptionDialog::AddLine(const QString &line) { m_detailsMemo->appendPlainText(line); }

void TfrmExceptionDialog::AddSeparator() { AddLine(QString(ReportWidth(), SeparatorChar())); }

void TfrmExceptionDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    QApplication::beep();
    if (m_mainThread)
        m_messages->Post(UM_BUILDDETAILS);
    else
        BuildDetails();
    m_tmr->start();
}

void TfrmExceptionDialog::tmrTimer()
{
    m_tmr->stop();
    m_okBtn->click();
}

void TfrmExceptionDialog::BuildDetails()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_detailsMemo->setUpdatesEnabled(false);
    try {
        if (!m_stackList.isEmpty()) {
            AddLine(QStringLiteral("Stack list, generated %1").arg(FormatTimeStamp(m_stackTime)));
            AddLine(m_stackList);
            AddSeparator();
        }
        AddLine(SystemLine());
        AddLine(ProcessorLine());
        if (QScreen *s = QGuiApplication::primaryScreen())
            AddLine(QStringLiteral("Display  : %1x%2 pixels, %3 bpp").arg(s->size().width()).arg(s->size().height()).arg(s->depth()));
        AddSeparator();
        const std::vector<TModuleInfo> modules = LoadedModules();
        if (!modules.empty()) {
            AddLine(QStringLiteral("List of loaded modules:"));
            for (const TModuleInfo &m : modules) {
                AddLine(QStringLiteral("[%1] %2").arg(Hex8(m.LoadAddress), m.Path));
                const QString prefix = m.PreferredBase != m.LoadAddress ? QStringLiteral("<%1> ").arg(Hex8(m.PreferredBase))
                                                                        : QString(11, QLatin1Char(' '));
                if (m.HasVersion) {
                    AddLine(prefix + QStringLiteral("%1.%2.%3.%4 - %5")
                                         .arg(m.Version[0]).arg(m.Version[1]).arg(m.Version[2]).arg(m.Version[3])
                                         .arg(m.VersionText));
                    if (!m.Description.isEmpty())
                        AddLine(QString(11, QLatin1Char(' ')) + m.Description);
                } else {
                    AddLine(prefix + QStringLiteral("(no version info)"));
                }
            }
            AddSeparator();
        }
        if (m_lastFocused) {
            AddLine(QStringLiteral("Active Controls hiearchy:"));
            for (QWidget *w = m_lastFocused; w; w = w->parentWidget())
                AddLine(QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName()));
            AddSeparator();
        }
        // The log is closed even when writing fails.
        struct CloseLog {
            TSimpleExceptionLog *log;
            ~CloseLog() { log->Close(); }
        } closeLog{m_log.get()};
        m_log->WriteHeader(ReportWidth());
        m_log->WriteText(ReportText(), 0);
    } catch (...) {
        // Whatever failed, the dialog stays usable.
    }
    m_detailsMemo->moveCursor(QTextCursor::Start);
    m_detailsMemo->ensureCursorVisible();
    m_detailsMemo->setUpdatesEnabled(true);
    m_okBtn->setEnabled(true);
    m_detailsBtn->setEnabled(true);
    m_okBtn->setFocus();
    QApplication::restoreOverrideCursor();
}

QString TfrmExceptionDialog::ReportText() const
{
    QString text = m_textLabel->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.endsWith(QStringLiteral("\r\n")))
        text += QStringLiteral("\r\n");
    QString details = m_detailsMemo->toPlainText();
    details.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text + QStringLiteral("\r\n") + details;
}

void TfrmExceptionDialog::DetailsBtnClick()
{
    m_showDetails = !m_showDetails;
    ApplyShowDetails();
}

void TfrmExceptionDialog::ApplyShowDetails()
{
    QString caption = m_detailsBtn->text();
    caption.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    caption = caption.trimmed();
    if (m_showDetails) {
        setMinimumHeight(m_heightWithoutDetails + 100);
        const QScreen *s = screen();
        setMaximumHeight(s ? s->size().height() : QWIDGETSIZE_MAX);
        m_detailsBtn->setText(QStringLiteral("<< ") + caption);
        resize(width(), m_fullHeight);
        m_detailsMemo->setGeometry(m_detailsMemo->x(), m_detailsMemo->y(), width() - 8, m_fullHeight - m_detailsMemo->y() - 3);
    } else {
        m_fullHeight = height();
        m_detailsBtn->setText(caption + QStringLiteral(" >>"));
        if (m_heightWithoutDetails == 0)
            m_heightWithoutDetails = m_bevel1->y();
        setMinimumHeight(m_heightWithoutDetails);
        setMaximumHeight(m_heightWithoutDetails);
        resize(width(), m_heightWithoutDetails);
    }
    m_detailsMemo->setVisible(m_showDetails);
}

void TfrmExceptionDialog::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    // Anchors: the label and the bevel follow the right edge, the buttons stay at it.
    const int w = width();
    m_textLabel->resize(w - 56 - 95, m_textLabel->height());
    m_okBtn->move(w - 80, m_okBtn->y());
    m_detailsBtn->move(w - 80, m_detailsBtn->y());
    m_bevel1->resize(w - 4, m_bevel1->height());
    if (m_showDetails)
        m_detailsMemo->setGeometry(4, 101, w - 8, height() - 101 - 4);
    UpdateTextLabelScrollBar();
}

void TfrmExceptionDialog::UpdateTextLabelScrollBar()
{
    const QFontMetrics fm(m_textLabel->font());
    const int lines = m_textLabel->document()->blockCount();
    m_textLabel->setVerticalScrollBarPolicy(m_textLabel->viewport()->height() < lines * fm.height() ? Qt::ScrollBarAlwaysOn
                                                                                                    : Qt::ScrollBarAlwaysOff);
}

bool TfrmExceptionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        if (k->key() == Qt::Key_C && (k->modifiers() & Qt::ControlModifier)) {
            if (event->type() == QEvent::KeyPress) {
                QApplication::clipboard()->setText(ReportText());
                QApplication::beep();
            }
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmExceptionDialog::paintEvent(QPaintEvent *e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
    p.drawPixmap(m_textLabel->x() - size - 15, m_textLabel->y(), icon.pixmap(size, size));
}

void TfrmExceptionDialog::Handle(const std::exception &e, const QString &threadName)
{
    // A second error while one is shown gets the plain box.
    if (s_exceptionShowing) {
        PlainErrorBox(e);
        return;
    }
    s_exceptionShowing = true;
    struct Clear {
        ~Clear() { s_exceptionShowing = false; }
    } clear;
    try {
        ShowError(e, threadName);
    } catch (const std::exception &inner) {
        PlainErrorBox(inner);
    }
}

void HandleAppException(const std::exception &e) { TfrmExceptionDialog::Handle(e, QString()); }

void HandleThreadException(const QString &threadName, std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        TfrmExceptionDialog::Handle(e, threadName.isEmpty() ? QStringLiteral("(unnamed)") : threadName);
    } catch (...) {
        TfrmExceptionDialog::Handle(std::runtime_error("Unknown error"), threadName);
    }
}

void InstallExceptionDialog()
{
    SetAppExceptionHandler(HandleAppException);
    SetThreadExceptionHandler(HandleThreadException);
    InstallFatalSignalLog(TSimpleExceptionLog::DefaultFileName());
}

} // namespace zelmor
