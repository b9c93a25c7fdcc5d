#pragma once
// Hidden-window messages, the two kinds of wait and the process-wide time scale.
#include <QEvent>
#include <QObject>
#include <cstdint>
#include <functional>

namespace zelmor {

constexpr unsigned WM_USER = 0x400;

// Multiplies every session wait, time-out, pause and timer (ZELMOR_TIME_SCALE, default 1).
double TimeScale();
void SetTimeScale(double scale); // for tests that cannot set the environment first
// Milliseconds after the time scale, at least 1 for any positive input.
int ScaledMs(double ms);
// Ticks of 55 ms, the unit of the serial components, in scaled milliseconds.
int TicksToMs(long ticks);
// Seconds in ticks, as the serial components count them.
long SecondsToTicks(long seconds);

// A posted private message: number, first and second parameter.
class TMessageEvent : public QEvent {
public:
    TMessageEvent(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);
    unsigned Msg() const { return m_msg; }
    std::intptr_t WParam() const { return m_wParam; }
    std::intptr_t LParam() const { return m_lParam; }
    static QEvent::Type TypeFor(unsigned msg);

private:
    unsigned m_msg;
    std::intptr_t m_wParam, m_lParam;
};

// Stands in for a hidden window: posted messages are dispatched to the handler on the
// owner's thread, one at a time, in the order they were posted.
class TMessageWindow : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)>;
    explicit TMessageWindow(Handler handler, QObject *parent = nullptr);
    // Safe from any thread.
    void Post(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    // Removes the posted messages first..last that have not been dispatched yet.
    void Discard(unsigned first, unsigned last);

protected:
    bool event(QEvent *e) override;

private:
    Handler m_handler;
};

// Waits that keep dispatching events; ended early when the application quits.
// The time is in unscaled milliseconds; the time scale is applied here.
void WaitDispatching(int ms);
// Keeps dispatching until done() holds or the time has passed; true when done() held.
bool WaitDispatchingUntil(int ms, const std::function<bool()> &done);
// A wait that holds the thread (nothing is dispatched meanwhile).
void WaitHolding(int ms);

} // namespace zelmor
