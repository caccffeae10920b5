#pragma once

#include "controls/CalculatorPopup.h"
#include "controls/NumberText.h"
#include "controls/VorelNumberObject.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPointer>

namespace k9 {

// The number edit of every window: amounts, counts and percentages. Keys are filtered as
// they are typed (digits; "-" when negatives are allowed, only into an empty field; one
// decimal separator; "%" when percentages are), the value stays within the bounds of its
// TVorelNumberObject, the user edits the bare number and sees it formatted once the focus
// leaves. A paste replaces the whole content with the number pasted; the calculator drops
// down from the button, Alt+Down or (in a TEForm) Shift+Down.
class TVorelNumberEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double InitText READ InitText WRITE SetInitText)
    Q_PROPERTY(bool HideSeparator READ HideSeparator WRITE setHideSeparator)
    Q_PROPERTY(bool ShowButton READ ShowButton WRITE setShowButton)

public:
    explicit TVorelNumberEdit(QWidget *parent = nullptr);
    ~TVorelNumberEdit() override;

    TVorelNumberObject *VorelNumberObject() const { return m_object; }
    TPorcent Porcent() const { return m_porcent; }
    void setPorcent(TPorcent porcent);
    bool HideSeparator() const { return m_hideSeparator; }
    void setHideSeparator(bool hide);
    // The calculator button; without it, keys with Alt are dropped.
    bool ShowButton() const { return m_showButton; }
    void setShowButton(bool show);

    // The value last put in by the program.
    double InitText() const { return m_initText; }
    // Shows `value` with the decimals of the control ("1,234.50", "12.50%"). While the
    // control has the focus it shows the bare number the user edits.
    void SetInitText(double value);
    void SetInitText(Money value);

    // Readings: the text stripped to digits, sign and decimal separator, as a floating
    // value; that value rounded to a whole number (halves to even); the exact amount.
    double floatValue() const;
    qint64 integerValue() const;
    Money moneyValue() const;

    // The rules in force (bounds, decimals and separators of this control).
    NumberRules rules() const;

    // Pastes the clipboard (or the selection) as a number; see the class comment.
    void pasteNumber(QClipboard::Mode mode = QClipboard::Clipboard);
    void openCalculator();
    bool isCalculatorOpen() const;
    CalculatorPopup *calculator() const { return m_calculator; }

signals:
    void pasted();         // after a paste or a calculator result was put in
    void cutRequested();   // before a cut runs
    void clearRequested(); // before the selection is deleted from the context menu

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void setTextKeepingModified(const QString &text);
    void applyCalculatorResult(double value);

    TVorelNumberObject *m_object;
    TPorcent m_porcent = TPorcent::Numero;
    bool m_hideSeparator = false;
    bool m_showButton = true;
    double m_initText = 0;
    bool m_adjusting = false;
    QAction *m_button = nullptr;
    CalculatorPopup *m_calculator = nullptr;
};

} // namespace k9
