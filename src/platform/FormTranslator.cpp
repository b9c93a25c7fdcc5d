#include "FormTranslator.h"

#include "Translation.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QWidget>

namespace zelmor {

namespace {

QString TextOf(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    return QString();
}

void SetTextOf(QWidget *w, const QString &text)
{
    if (auto *l = qobject_cast<QLabel *>(w))
        l->setText(text);
    else if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->setText(text);
    else if (auto *g = qobject_cast<QGroupBox *>(w))
        g->setTitle(text);
}

} // namespace

TFormTranslator::TFormTranslator(QWidget *form) : QObject(form)
{
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        Item item{w, TextOf(w), w->toolTip()};
        // Empty texts are filled at run time by their owners and are not ours to translate.
        if (!item.text.isEmpty() || !item.hint.isEmpty())
            m_items.append(item);
    }
}

void TFormTranslator::Translate()
{
    for (const Item &item : m_items) {
        if (!item.widget)
            continue;
        if (!item.text.isEmpty())
            SetTextOf(item.widget, zelmor::Translate(item.text));
        if (!item.hint.isEmpty())
            item.widget->setToolTip(zelmor::Translate(item.hint));
    }
}

} // namespace zelmor
