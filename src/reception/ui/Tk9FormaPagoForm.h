#pragma once

#include "controls/EForm.h"
#include "reception/PaymentLines.h"
#include "reception/PaymentSlots.h"

class QHeaderView;
class QLabel;
class QPushButton;

namespace k9 {

class PaymentEditor;
class TVorelList;

// "Forma de Pago": splits an amount due into cash, cheque, debit and credit card lines and
// keeps the amount paid and the change. The caller creates it, sets the inputs, shows it
// modally and reads the outputs back; the window writes no table.
//
// Inputs: the amount due, the amount paid so far (an advance given as a fixed line), the
// minimum fraction and whether "&Aceptar" asks only for it, the customer, the total caption,
// whether the minimum labels show, and fixed "Adelanto" lines.
// Outputs: cancelled(), paymentLines() (in list order, the entry line last), amountPaid(),
// change(), and totals(): the payment slots and sums to store.
class Tk9FormaPagoForm : public TEForm
{
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 45;

    // The currency, bank and card tables are read from `dataDir` (paths().DirDatos when
    // empty).
    explicit Tk9FormaPagoForm(QWidget *parent = nullptr, const QString &dataDir = QString());
    ~Tk9FormaPagoForm() override;

    // ---- Inputs, set before the window is shown ------------------------------------------
    void setAmountDue(Money amount);
    void setAmountPaid(Money amount);
    void setMinimumFraction(Money fraction);
    void setMinimumCheck(bool check);
    void setCustomerName(const QString &name);
    // LabelFac; "Monto Total  : Bs." unless set.
    void setTotalCaption(const QString &caption);
    void setMinimumLabelsVisible(bool visible);
    // A fixed advance line ("Adelanto") before the entry line; the caller also adds the
    // advance to the amount paid.
    bool addFixedLine(Money amount, const QString &detail = QString());

    // ---- Outputs ------------------------------------------------------------------------
    // True unless the window closed through "&Aceptar".
    bool cancelled() const { return m_cancelled; }
    const QList<TFormaPago> &paymentLines() const { return m_lines.lines(); }
    Money amountPaid() const { return m_lines.amountPaid(); }
    Money change() const { return m_lines.change(); }
    PaymentTotals totals() const { return paymentTotals(m_lines.lines(), m_lines.change()); }

    const PaymentLines &lines() const { return m_lines; }
    PaymentEditor *editor() const { return m_editor; }
    TVorelList *list() const { return m_list; }
    // The line the editor is open on; -1 while browsing.
    int editedRow() const;

public slots:
    void aceptar();
    void cancelar();
    void borrar();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void refreshList();
    void refreshLabels();
    void showPaid();
    // LVuelto: "Vuelto : " and the change, with the currency symbol when asked and there is one.
    void showChange(bool withSymbol);
    // Opens line `row` in the editor (double click, Enter, or after a commit).
    void openLine(int row);
    void closeEditor();
    void placeEditor();
    void commitLine();
    void backToList();
    void selectRow(int row);
    void updateEscapeRule();

    PaymentLines m_lines;
    bool m_cancelled = true;
    bool m_started = false;
    int m_editRow = -1;
    QString m_totalCaption;
    bool m_minimumLabelsVisible = true;
    QMetaObject::Connection m_focusConnection;

    QLabel *m_customer = nullptr;
    QLabel *m_labelFac = nullptr;
    QLabel *m_amountDue = nullptr;
    QLabel *m_labelMinimum = nullptr;
    QLabel *m_amountMinimum = nullptr;
    QLabel *m_amountPaid = nullptr;
    QLabel *m_change = nullptr;
    QHeaderView *m_header = nullptr;
    TVorelList *m_list = nullptr;
    PaymentEditor *m_editor = nullptr;
    QPushButton *m_aceptar = nullptr;
    QPushButton *m_cancelar = nullptr;
    QPushButton *m_borrar = nullptr;
};

} // namespace k9
