#pragma once

#include "controls/ListRowDelegate.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "controls/VorelNumberEdit.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringList>

#include <functional>

// Small builders shared by the reception windows: every control gets its name, so that the
// layout file and the tests find it.

namespace k9::receptionui {

inline QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

inline QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

inline TVorelEdit *edit(const QString &name, int maxLength, QWidget *parent, const QString &hint = QString())
{
    auto *e = new TVorelEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setToolTip(hint);
    return e;
}

// A number edit: `decimals` 0 makes it whole numbers only.
inline TVorelNumberEdit *number(const QString &name, double min, double max, int decimals, QWidget *parent)
{
    auto *n = new TVorelNumberEdit(parent);
    n->setObjectName(name);
    TVorelNumberObject *o = n->VorelNumberObject();
    o->setTipoDato(decimals > 0 ? TDato::Reales : TDato::Entero);
    o->setDecimales(decimals);
    o->setMaxValor(max);
    o->setMinValor(min);
    o->setActValor(min);
    n->SetInitText(min);
    return n;
}

// An owner-drawn list under a header with `captions`, sections sized by `widths` (the
// last one stretches).
inline TVorelList *headedList(const QString &name, const QStringList &captions, const QList<int> &widths,
                              QHeaderView **header, QWidget *parent)
{
    auto *h = new QHeaderView(Qt::Horizontal, parent);
    h->setObjectName(QStringLiteral("Cabecera") + name);
    auto *model = new QStandardItemModel(0, int(captions.size()), h);
    model->setHorizontalHeaderLabels(captions);
    h->setModel(model);
    h->setSectionsClickable(false);
    h->setStretchLastSection(true);
    for (int i = 0; i < widths.size() && i < captions.size(); ++i)
        h->resizeSection(i, widths[i]);
    h->setFixedHeight(h->sizeHint().height());
    auto *list = new TVorelList(parent);
    list->setObjectName(name);
    list->setHeader(h);
    list->resetRows();
    *header = h;
    return list;
}

// Runs a handler when the user leaves a line edit (a focus change inside the program, not a
// message box or another window taking the focus). With `onlyWhenEdited`, only after the
// user typed in it since the last run (or markEdited() was called).
class LeaveWatcher : public QObject
{
public:
    LeaveWatcher(QLineEdit *edit, bool onlyWhenEdited, std::function<void()> handler)
        : QObject(edit), m_onlyWhenEdited(onlyWhenEdited), m_handler(std::move(handler))
    {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { m_edited = true; });
    }

    void markEdited() { m_edited = true; }
    void clearEdited() { m_edited = false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            const bool own = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
            if (own && (m_edited || !m_onlyWhenEdited)) {
                m_edited = false;
                m_handler();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_onlyWhenEdited;
    bool m_edited = false;
    std::function<void()> m_handler;
};

} // namespace k9::receptionui
