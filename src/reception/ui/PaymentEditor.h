#pragma once

#include "reception/PaymentChoices.h"
#include "reception/PaymentLines.h"

#include <QFrame>
#include <QHash>

class QComboBox;
class QHeaderView;

namespace k9 {

class LookupCombo;
class TVorelEdit;
class TVorelNumberEdit;

// The in-place editor of the payment list: amount (EMonto), type (ComboBTipo), currency,
// bank or card (ComboBanco) and document detail (EDetalle), placed over one line of the
// list. Enter or Down moves on through the fields (in the detail: commitRequested), Up
// moves back (in the amount: upFromAmount), Esc emits escapePressed; a field whose list is
// dropped down keeps its keys.
class PaymentEditor : public QFrame
{
    Q_OBJECT

public:
    // `dataDir` holds the currency, bank and card tables. The cash choice is read at once;
    // the banks and cards when first needed.
    PaymentEditor(const QString &dataDir, QWidget *parent = nullptr);

    TVorelNumberEdit *amountField() const { return m_amount; }
    QComboBox *typeField() const { return m_type; }
    LookupCombo *choiceField() const { return m_choice; }
    TVorelEdit *detailField() const { return m_detail; }

    // Shows `line` in the fields: its amount, detail and type ("Efectivo" for the entry
    // line); the third field offers the choices of that type and shows the line's code, or
    // keeps its current choice when that type offers it.
    void showLine(const TFormaPago &line);
    void setAmount(Money amount);
    // The focus to the amount, its text selected.
    void focusAmount();
    int type() const;
    void setType(int type);
    // What the fields hold, ready to commit; the factor of the currency chosen for cash
    // (1 when none is chosen).
    PaymentLines::Entry entry() const;

    // Lays the fields over the sections of `header`, in a row `width` wide.
    void placeFields(const QHeaderView *header, int width);

signals:
    void commitRequested();
    void upFromAmount();
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const PaymentChoiceList &choicesFor(int type);
    void setUpChoice(int type);
    bool isDroppedDown(QObject *field) const;

    QString m_dataDir;
    QHash<QString, PaymentChoiceList> m_choices; // by table
    QString m_choiceTable;                       // the table the third field offers now
    TVorelNumberEdit *m_amount;
    QComboBox *m_type;
    LookupCombo *m_choice;
    TVorelEdit *m_detail;
};

} // namespace k9
