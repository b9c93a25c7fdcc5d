#include "Translation.h"

#include "Errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace zelmor {

namespace {

struct TLanguageRow {
    const char *name;
    const char *code; // empty for the source language
    QLocale::Language locale;
};

const TLanguageRow kLanguages[] = {
    {"Nederlands", "", QLocale::Dutch},
    {"English", "en", QLocale::English},
    {"Deutsch", "de", QLocale::German},
    {"Dansk", "da", QLocale::Danish},
};
constexpr int kLanguageCount = int(std::size(kLanguages));

} // namespace

TDictionary &TDictionary::Instance()
{
    static TDictionary d;
    return d;
}

QStringList TDictionary::Languages() const
{
    QStringList l;
    for (const TLanguageRow &lang : kLanguages)
        l << QString::fromLatin1(lang.name);
    return l;
}

void TDictionary::SetLanguage(int index)
{
    if (index < -1 || index >= kLanguageCount)
        throw ERangeError(QStringLiteral("Language index %1 out of range (0 to %2)").arg(index).arg(kLanguageCount - 1));
    if (index == -1) {
        // Dutch when the locale's language is none of ours: the texts are Dutch.
        index = 0;
        const QLocale::Language sys = QLocale::system().language();
        for (int i = 0; i < kLanguageCount; ++i)
            if (kLanguages[i].locale == sys)
                index = i;
    }
    m_index = index;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    const QString code = QString::fromLatin1(kLanguages[index].code);
    if (code.isEmpty())
        return;
    auto *t = new QTranslator;
    if (t->load(QStringLiteral(":/i18n/zelmor_%1.qm").arg(code)) && QCoreApplication::instance()) {
        QCoreApplication::installTranslator(t);
        m_translator = t;
    } else {
        delete t;
    }
}

QString Translate(const QString &dutch)
{
    if (dutch.isEmpty())
        return dutch;
    const QByteArray key = dutch.toUtf8();
    const QString t = QCoreApplication::translate("Zelmor", key.constData());
    return t.isEmpty() ? dutch : t;
}

} // namespace zelmor
