#pragma once

#include "controls/Calculator.h"

#include <QFrame>

class QLineEdit;

namespace k9 {

// The calculator that drops down from a number edit. Enter (or "Aceptar") takes the
// result; Escape or a click outside closes it without a result.
class CalculatorPopup : public QFrame
{
    Q_OBJECT

public:
    explicit CalculatorPopup(QWidget *parent = nullptr);

    void start(double value);
    // Shows the calculator under `anchor`.
    void popUp(QWidget *anchor);
    Calculator &calculator() { return m_calculator; }

signals:
    void accepted(double value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(QChar key);
    void accept();

    Calculator m_calculator;
    QLineEdit *m_display;
};

} // namespace k9
