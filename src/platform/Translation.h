#pragma once
// Run-time translation. Dutch texts are the keys; a text without an entry comes back unchanged.
#include <QString>
#include <QStringList>

class QTranslator;

namespace zelmor {

// The translation dictionary: a list of languages and the index of the one in use.
class TDictionary {
public:
    static TDictionary &Instance();
    QStringList Languages() const; // display names, index order
    int Language() const { return m_index; }
    // -1 selects the language of the user's locale; an index beyond the list raises ERangeError.
    void SetLanguage(int index);

private:
    int m_index = 0;
    QTranslator *m_translator = nullptr;
};

QString Translate(const QString &dutch);

} // namespace zelmor
