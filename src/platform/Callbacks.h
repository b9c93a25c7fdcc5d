#pragma once
// Callbacks are method references that may be unset: a caller fires one only when it is set.
#include <QString>
#include <functional>

class QObject;

namespace zelmor {

using TTextEvent = std::function<void(QObject *sender, const QString &text)>;
using TNotifyEvent = std::function<void(QObject *sender)>;
using TStatusTextEvent = std::function<void(const QString &text)>;

template <typename F, typename... Args>
inline void Fire(const F &callback, Args &&...args)
{
    if (callback)
        callback(std::forward<Args>(args)...);
}

// The six slots every session reports through.
struct TSessionCallbacks {
    TTextEvent OnStatusLine;
    TTextEvent OnFileName;
    TTextEvent OnFileSize;
    TTextEvent OnProgress;
    TTextEvent OnTransferStatus;
    TNotifyEvent OnSessionEnd;
};

} // namespace zelmor
