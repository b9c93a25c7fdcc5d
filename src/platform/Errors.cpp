#include "Errors.h"

#include <boost/stacktrace.hpp>
#include <sstream>
#include <typeinfo>

#include <cxxabi.h>

namespace zelmor {

struct Exception::Frames {
    boost::stacktrace::stacktrace trace;
};

Exception::Exception(const QString &message)
    : m_message(message), m_what(message.toStdString()),
      // Skip the constructors; the raise site comes first.
      m_frames(std::make_shared<Frames>(Frames{boost::stacktrace::stacktrace(1, 64)})),
      m_stackTime(QDateTime::currentDateTime())
{
}

namespace {

// The frames of the constructors themselves come first; the raise site is the first other one.
std::size_t FirstRaiseFrame(const boost::stacktrace::stacktrace &trace)
{
    std::size_t i = 0;
    while (i < trace.size() && i < 4 && trace[i].name().find("Exception(") != std::string::npos)
        ++i;
    return i < trace.size() ? i : 0;
}

} // namespace

QString Exception::StackList() const
{
    QStringList lines;
    const auto &trace = m_frames->trace;
    for (std::size_t i = FirstRaiseFrame(trace); i < trace.size(); ++i) {
        const auto &frame = trace[i];
        std::ostringstream os;
        os << "[" << frame.address() << "] " << frame.name();
        const std::string file = frame.source_file();
        if (!file.empty())
            os << " (" << file.substr(file.find_last_of('/') + 1) << ":" << frame.source_line() << ")";
        lines << QString::fromStdString(os.str());
    }
    return lines.join('\n');
}

const void *Exception::Address() const
{
    const auto &trace = m_frames->trace;
    return trace.empty() ? nullptr : trace[FirstRaiseFrame(trace)].address();
}

QString ExceptionClassName(const std::exception &e)
{
    if (auto *z = dynamic_cast<const Exception *>(&e))
        return z->ClassName();
    int status = 0;
    char *name = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
    QString result = QString::fromLatin1(status == 0 && name ? name : typeid(e).name());
    std::free(name);
    return result;
}

QString ExceptionMessage(const std::exception &e)
{
    if (auto *z = dynamic_cast<const Exception *>(&e))
        return z->Message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace zelmor
