#include "Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace zelmor {

namespace {

std::atomic<double> g_scale{-1.0};

} // namespace

double TimeScale()
{
    double s = g_scale.load();
    if (s < 0) {
        bool ok = false;
        s = qEnvironmentVariable("ZELMOR_TIME_SCALE").toDouble(&ok);
        if (!ok || !(s > 0))
            s = 1.0;
        g_scale = s;
    }
    return s;
}

void SetTimeScale(double scale) { g_scale = scale > 0 ? scale : 1.0; }

int ScaledMs(double ms)
{
    if (ms <= 0)
        return 0;
    const double v = std::ceil(ms * TimeScale());
    return static_cast<int>(std::clamp(v, 1.0, 2147483647.0));
}

int TicksToMs(long ticks) { return ScaledMs(double(ticks) * 55.0); }

long SecondsToTicks(long seconds) { return seconds * 1675 / 92; }

TMessageEvent::TMessageEvent(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
    : QEvent(TypeFor(msg)), m_msg(msg), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type TMessageEvent::TypeFor(unsigned msg)
{
    // User event types run from 1000 to 65535; message numbers fit above 1000.
    return static_cast<QEvent::Type>(QEvent::User + 1 + int(msg % 64000));
}

TMessageWindow::TMessageWindow(Handler handler, QObject *parent)
    : QObject(parent), m_handler(std::move(handler))
{
}

void TMessageWindow::Post(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    QCoreApplication::postEvent(this, new TMessageEvent(msg, wParam, lParam));
}

void TMessageWindow::Discard(unsigned first, unsigned last)
{
    for (unsigned m = first; m <= last; ++m)
        QCoreApplication::removePostedEvents(this, TMessageEvent::TypeFor(m));
}

bool TMessageWindow::event(QEvent *e)
{
    if (e->type() > QEvent::User && e->type() <= QEvent::MaxUser) {
        if (auto *m = dynamic_cast<TMessageEvent *>(e)) {
            if (m_handler)
                m_handler(m->Msg(), m->WParam(), m->LParam());
            return true;
        }
    }
    return QObject::event(e);
}

bool WaitDispatchingUntil(int ms, const std::function<bool()> &done)
{
    if (done && done())
        return true;
    const int total = ScaledMs(ms);
    QElapsedTimer clock;
    clock.start();
    while (!(done && done())) {
        const qint64 left = total - clock.elapsed();
        if (left <= 0 || QCoreApplication::closingDown() || !QCoreApplication::instance())
            return false;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        // Short slices so that done() is looked at soon after an event changed it.
        timer.start(int(std::min<qint64>(left, 10)));
        loop.exec();
        // Ended while our timer still ran: the application is quitting, stop waiting.
        if (timer.isActive())
            return done && done();
    }
    return true;
}

void WaitDispatching(int ms) { WaitDispatchingUntil(ms, nullptr); }

void WaitHolding(int ms)
{
    const int total = ScaledMs(ms);
    if (total > 0)
        QThread::msleep(static_cast<unsigned long>(total));
}

} // namespace zelmor
