#include "reception/ui/UserFieldControls.h"

#include "controls/MemoVorel.h"
#include "controls/VorelDateEdit.h"
#include "controls/VorelEdit.h"
#include "controls/VorelNumberEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

namespace k9 {

namespace {

// A radio group is a group box with a button group; the index is the checked button's id.
QButtonGroup *buttonsOf(const QWidget *widget)
{
    return widget ? widget->findChild<QButtonGroup *>() : nullptr;
}

} // namespace

QWidget *UserFieldControls::create(int kind, const QString &name, const QString &title, const QString &hint,
                                   QWidget *parent)
{
    QWidget *w = nullptr;
    switch (kind) {
    case ControlKind::NumberEdit: w = new TVorelNumberEdit(parent); break;
    case ControlKind::DateEdit: {
        auto *date = new TVorelDateEdit(parent);
        date->setAllowBlank(true);
        w = date;
        break;
    }
    case ControlKind::ComboBox: w = new QComboBox(parent); break;
    case ControlKind::RadioGroup: {
        auto *box = new QGroupBox(title, parent);
        new QButtonGroup(box);
        w = box;
        break;
    }
    case ControlKind::CheckBox: w = new QCheckBox(title, parent); break;
    case ControlKind::Memo: w = new TMemoVorel(parent); break;
    default: w = new TVorelEdit(parent); break;
    }
    w->setObjectName(name);
    w->setToolTip(hint);
    return w;
}

int UserFieldControls::kindOf(const QWidget *widget)
{
    if (qobject_cast<const TVorelNumberEdit *>(widget))
        return ControlKind::NumberEdit;
    if (qobject_cast<const TVorelDateEdit *>(widget))
        return ControlKind::DateEdit;
    if (qobject_cast<const QLineEdit *>(widget))
        return ControlKind::Edit;
    if (qobject_cast<const QComboBox *>(widget))
        return ControlKind::ComboBox;
    if (qobject_cast<const QCheckBox *>(widget))
        return ControlKind::CheckBox;
    if (qobject_cast<const QPlainTextEdit *>(widget))
        return ControlKind::Memo;
    if (qobject_cast<const QGroupBox *>(widget))
        return buttonsOf(widget) ? int(ControlKind::RadioGroup) : int(ControlKind::GroupBox);
    return -1;
}

QString UserFieldControls::valueText(const QWidget *widget, int kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::NumberEdit:
    case ControlKind::DateEdit:
        if (auto *e = qobject_cast<const QLineEdit *>(widget))
            return e->text();
        break;
    case ControlKind::ComboBox:
        if (auto *c = qobject_cast<const QComboBox *>(widget))
            return QString::number(c->currentIndex());
        break;
    case ControlKind::RadioGroup:
        if (QButtonGroup *g = buttonsOf(widget))
            return QString::number(g->checkedId());
        break;
    case ControlKind::CheckBox:
        if (auto *c = qobject_cast<const QCheckBox *>(widget))
            return c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case ControlKind::Memo:
        if (auto *m = qobject_cast<const QPlainTextEdit *>(widget))
            return m->toPlainText();
        break;
    default: break;
    }
    return QString();
}

void UserFieldControls::setValueText(QWidget *widget, int kind, const QString &text, Page page)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::DateEdit:
        if (auto *e = qobject_cast<QLineEdit *>(widget))
            e->setText(text);
        break;
    case ControlKind::NumberEdit:
        if (auto *n = qobject_cast<TVorelNumberEdit *>(widget))
            n->SetInitText(numberFromValue(text));
        break;
    case ControlKind::ComboBox:
        if (auto *c = qobject_cast<QComboBox *>(widget))
            c->setCurrentIndex(indexFromValue(text));
        break;
    case ControlKind::RadioGroup:
        if (QButtonGroup *g = buttonsOf(widget)) {
            if (QAbstractButton *b = g->button(indexFromValue(text)))
                b->setChecked(true);
        }
        break;
    case ControlKind::CheckBox:
        if (auto *c = qobject_cast<QCheckBox *>(widget))
            c->setChecked(page == Page::Detalle ? itemCheckFromValue(text) : componentCheckFromValue(text));
        break;
    case ControlKind::Memo:
        if (auto *m = qobject_cast<QPlainTextEdit *>(widget))
            m->setPlainText(text);
        break;
    default: break;
    }
}

void UserFieldControls::reset(QWidget *widget, int kind)
{
    const bool numeric = kind == ControlKind::NumberEdit || kind == ControlKind::ComboBox
                         || kind == ControlKind::RadioGroup || kind == ControlKind::CheckBox;
    setValueText(widget, kind, numeric ? QStringLiteral("0") : QString(), Page::Detalle);
}

void UserFieldControls::setEditable(QWidget *widget, int kind, bool editable)
{
    if (!widget)
        return;
    if (auto *e = qobject_cast<QLineEdit *>(widget))
        e->setReadOnly(!editable);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(widget))
        m->setReadOnly(!editable);
    else if (kindHoldsValue(kind))
        widget->setEnabled(editable);
}

QList<TNewCampos> UserFieldControls::values(Page page) const
{
    QList<TNewCampos> list;
    for (const Control &c : m_controls) {
        if (c.page != page || !c.widget || !kindHoldsValue(c.kind))
            continue;
        list << TNewCampos{c.definition.control, c.kind, valueText(c.widget, c.kind), c.definition.field};
    }
    return list;
}

QList<TNewCampos> UserFieldControls::templates(Page page) const
{
    QList<TNewCampos> list;
    for (const Control &c : m_controls) {
        if (c.page == page && c.widget && kindHoldsValue(c.kind))
            list << TNewCampos{c.definition.control, c.kind, QString(), c.definition.field};
    }
    return list;
}

void UserFieldControls::load(Page page, const QList<TNewCampos> &values) const
{
    for (const TNewCampos &v : values) {
        for (const Control &c : m_controls) {
            if (c.page == page && c.widget && c.definition.control == v.controlName)
                setValueText(c.widget, c.kind, v.value, page);
        }
    }
}

void UserFieldControls::resetAll(Page page) const
{
    for (const Control &c : m_controls) {
        if (c.page == page && c.widget)
            reset(c.widget, c.kind);
    }
}

void UserFieldControls::setEditable(Page page, bool editable) const
{
    for (const Control &c : m_controls) {
        if (c.page == page)
            setEditable(c.widget, c.kind, editable);
    }
}

void UserFieldControls::clearMemos(Page page) const
{
    for (const Control &c : m_controls) {
        if (c.page == page && c.widget && c.kind == ControlKind::Memo)
            reset(c.widget, c.kind);
    }
}

} // namespace k9
