#pragma once

#include <QChar>
#include <QString>

namespace k9 {

// The pop-up calculator of the number edit, without widgets: a pocket calculator that
// works each operation as the next one is pressed ("2 + 3 * 4 =" gives 20).
// Keys: digits, the decimal separator, + - * / (operations), = (result), % (percent of
// the first operand), N (change sign), < (erase a digit), E (clear entry), C (clear all).
class Calculator
{
public:
    explicit Calculator(QChar decimalSeparator = u'.');

    void press(QChar key);
    void press(const QString &keys);
    // Starts from a value, as when the calculator opens on a number.
    void start(double value);

    QString display() const;
    double value() const;
    bool hasError() const { return m_error; }

private:
    double entryValue() const;
    void apply();
    void setEntry(double value);

    QChar m_separator;
    QString m_entry = QStringLiteral("0"); // with "." as separator
    double m_accumulator = 0;
    QChar m_pending;        // operation waiting for its second operand
    bool m_fresh = true;    // the next digit starts a new entry
    bool m_error = false;
};

} // namespace k9
