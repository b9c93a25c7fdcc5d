#pragma once
// A form's translator: remembers the Dutch design texts of the form's components and
// shows them in the dictionary's current language on every Translate call.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace zelmor {

class TFormTranslator : public QObject {
    Q_OBJECT
public:
    // Takes the texts the form and its children carry now as the Dutch originals.
    explicit TFormTranslator(QWidget *form);
    void Translate();

private:
    struct Item {
        QPointer<QWidget> widget;
        QString text;
        QString hint;
    };
    QList<Item> m_items;
};

} // namespace zelmor
