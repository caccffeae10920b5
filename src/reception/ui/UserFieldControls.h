#pragma once

#include "core/Records.h"
#include "reception/UserFields.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace k9 {

// The controls that show the user-defined item fields on the item detail window: one per
// definition whose control exists on the window, on the "Detalle" page or on the
// "Componentes" page. Values pass between a control and its value text by the control's
// kind (Records.h: ControlKind).
class UserFieldControls
{
public:
    enum class Page { Detalle, Componentes };

    struct Control
    {
        UserFieldDefinition definition;
        int kind = ControlKind::Edit;
        QPointer<QWidget> widget;
        Page page = Page::Detalle;
    };

    // A new control of `kind` named `name` (its hint `hint`, a check box captioned `title`).
    static QWidget *create(int kind, const QString &name, const QString &title, const QString &hint,
                           QWidget *parent);
    // The control kind of a widget; -1 for a class that is not a control kind.
    static int kindOf(const QWidget *widget);

    static QString valueText(const QWidget *widget, int kind);
    // Puts a value text back: numbers and indexes that do not read give 0; a check box of
    // an item is checked for a non-zero integer, one of a component unless the text is "0".
    static void setValueText(QWidget *widget, int kind, const QString &text, Page page);
    // Empties a control: edits, dates and memos empty, numbers 0, indexes 0, check boxes off.
    static void reset(QWidget *widget, int kind);
    static void setEditable(QWidget *widget, int kind, bool editable);

    void add(const Control &control) { m_controls << control; }
    const QList<Control> &controls() const { return m_controls; }

    // The values of the controls of a page, one TNewCampos each (the controls without a
    // value left out).
    QList<TNewCampos> values(Page page) const;
    // The value templates of a page's controls (the value text empty).
    QList<TNewCampos> templates(Page page) const;
    // Puts the values given back into the controls of a page (by control name).
    void load(Page page, const QList<TNewCampos> &values) const;
    void resetAll(Page page) const;
    void setEditable(Page page, bool editable) const;
    // Empties the memos of a page.
    void clearMemos(Page page) const;

private:
    QList<Control> m_controls;
};

} // namespace k9
