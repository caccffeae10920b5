#pragma once

#include "core/Money.h"

#include <QChar>
#include <QString>

#include <optional>

namespace k9 {

// Whole numbers or reals: with Entero the text shows no decimals.
enum class TDato { Entero, Reales };
// Numero never shows "%"; Porcentaje always shows a trailing "%"; Ambos lets the user type one.
enum class TPorcent { Numero, Porcentaje, Ambos };

// A decimal text rounded to `decimals`, halves away from zero, on the digits as written
// ("-1.005" -> "-1.01"). `plain` is an optional sign, digits and one "."; anything else
// gives nullopt. The result uses "." and has no thousands separators.
std::optional<QString> roundDecimalText(const QString &plain, int decimals);
// A floating value as a plain decimal text of 15 significant digits ("1.005", "-0.1").
QString plainDecimal(double value);
// `value` rounded to `decimals` as the formatter does it (on the 15 significant digits, so
// that 1.005 gives 1.01), read back as a floating value.
double roundedTo(double value, int decimals);

// The number texts of the number edit, without widgets. The decimal and thousands
// separators are those of the regional settings unless set here.
class NumberRules
{
public:
    NumberRules();

    TDato TipoDato = TDato::Reales;
    double MinValor = 0;
    double MaxValor = 9999999999999.99;
    int Decimales = 2;
    TPorcent Porcent = TPorcent::Numero;
    bool HideSeparator = false;
    QChar decimalSeparator;
    QChar thousandsSeparator;

    // Decimals shown: Decimales for Reales, none for Entero.
    int shownDecimals() const { return TipoDato == TDato::Entero ? 0 : qMax(0, Decimales); }

    // Conversion of a text as typed: optional sign, digits and one decimal separator, blanks
    // around it ignored ("12", "-3.5", "7.", ".5"). Thousands separators do not convert.
    std::optional<double> convert(const QString &text) const;
    // A value as the plain conversion writes it (no thousands separators, no trailing zeros).
    QString plainText(double value) const;
    // "%w.dN" (thousands separators) or "%w.dF" with `decimals`, trimmed.
    QString formatted(double value, int decimals) const;
    QString formatted(Money value, int decimals) const;

    // Whether a typed character may go in. The key replaces the selection
    // [selStart, selStart + selLength) or goes in at `cursor` when nothing is selected.
    bool acceptsKey(const QString &text, int selStart, int selLength, int cursor, QChar key) const;
    // The text after any change: "%" moved to the end, decimals beyond Decimales cut, and a
    // number above MaxValor replaced by MaxValor.
    QString normalized(const QString &text) const;
    // The bare number the user edits: only "%", "-", digits and the decimal separator.
    QString focusInText(const QString &text) const;
    // The text shown once the focus leaves; nullopt when it cannot be read (the edit then
    // shows 0).
    std::optional<QString> focusOutText(const QString &text) const;
    // The text SetInitText shows for `value`, given the text the control held before.
    QString initText(double value, const QString &previousText) const;
    QString initText(Money value, const QString &previousText) const;
    // A clipboard text as a value within the bounds; nullopt when it does not convert.
    std::optional<double> pasteValue(const QString &clipboard) const;
    double clamped(double value) const { return qBound(MinValor, value, qMax(MinValor, MaxValor)); }

    // Readings of a text by the windows: the text stripped to "+", "-", digits and the
    // decimal separator, converted (0 when it does not convert); the integer is that value
    // rounded to the nearest whole number, exact halves to the even neighbour; the amount is
    // read exactly.
    double floatValue(const QString &text) const;
    qint64 integerValue(const QString &text) const;
    Money moneyValue(const QString &text) const;

private:
    QString withSeparators(const QString &plain) const;
    QString stripped(const QString &text, const QString &keep) const;
};

// Rounds to the nearest whole number, exact halves to the even neighbour.
qint64 roundHalfEven(double value);

} // namespace k9
