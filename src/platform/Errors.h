#pragma once
// The exception hierarchy of the client. Class names show up in error reports,
// so every class reports its own name. The stack is captured when the error is
// constructed, because by the time the application catches it the frames are gone.
#include <QDateTime>
#include <QString>
#include <exception>
#include <memory>
#include <string>

namespace zelmor {

class Exception : public std::exception {
public:
    explicit Exception(const QString &message);
    const char *what() const noexcept override { return m_what.c_str(); }
    QString Message() const { return m_message; }
    virtual QString ClassName() const { return QStringLiteral("Exception"); }
    // One line per frame, without module names; empty when nothing was recorded.
    // Formatted on demand: resolving symbols is slow and most errors are handled.
    QString StackList() const;
    QDateTime StackTime() const { return m_stackTime; }
    const void *Address() const;

private:
    struct Frames;
    QString m_message;
    std::string m_what;
    std::shared_ptr<Frames> m_frames;
    QDateTime m_stackTime;
};

#define ZELMOR_EXCEPTION(Name, Base)                                           \
    class Name : public Base {                                                 \
    public:                                                                    \
        using Base::Base;                                                      \
        QString ClassName() const override { return QStringLiteral(#Name); }   \
    };

ZELMOR_EXCEPTION(EInOutError, Exception)
ZELMOR_EXCEPTION(ERangeError, Exception)
ZELMOR_EXCEPTION(EConvertError, Exception)
ZELMOR_EXCEPTION(EIniFileException, Exception)
ZELMOR_EXCEPTION(EComponentError, Exception)
ZELMOR_EXCEPTION(EZipError, Exception)

// Class name and message of any exception, ours or the standard library's.
QString ExceptionClassName(const std::exception &e);
QString ExceptionMessage(const std::exception &e);

} // namespace zelmor
