#pragma once

#include "core/Money.h"

#include <QChar>
#include <QString>
#include <QStringList>

// Numeric and text helper routines shared by every window. They keep no state; the few
// process-wide values they read (decimals, separators, currency symbol, the negative number
// format code) are the regional settings of core/Regional.h.
namespace k9 {

// x formatted with 5 decimals (rounded by the formatter), cut after n (0-5) decimals.
double TruncarN(double x, int n);
// Half-up rounding on the digit n + 1 only; later digits are ignored (2.3449 -> 2.34,
// 2.345 -> 2.35, -2.345 -> -2.35). n is taken within 0-4, the decimals an amount can hold.
// A value that is not finite gives 0.
Money RedondearN(double x, int n);
// RedondearN(x / 1000, 2); a value that is not finite or does not fit an amount gives 0.
Money RedondearMiles(double x);
// The amount cut to `decimals` decimals (0: the amount decimals for kind 1, the second
// decimals for kind 0; a negative count cuts to the integer). With 2 or 3 decimals, when the
// next digit is 5 or more and round-up is allowed, one step of the last kept decimal is added
// to the magnitude. With 0, 1 or more than 3 decimals the amount is only truncated.
Money RedondearMoneda(Money v, int decimals = 0, int kind = 1, bool allowRoundUp = true);
// op 0: a equals b within 0.00001; 1: they differ; 2-5: the amounts rounded with
// RedondearMoneda compare as a > b, a >= b, a < b, a <= b. Any other op gives true.
bool CompararMonto(int op, double a, double b);

// The text without one trailing ":".
QString QuitarDosPuntos(const QString &s);
// The text without any "*", in upper case.
QString QuitarAsteriscos(const QString &s);
// The text without the first occurrence of c, upper-cased when asked, with one blank appended.
QString QuitarCaracter(const QString &s, bool upper, QChar c);
// The last n characters (the whole text when it is shorter).
QString DerechaN(const QString &s, int n);
// n copies of c.
QString RepetirCaracter(QChar c, int n);
// "á", "é", "í", "ó", "ú" become "a", "e", "i", "o", "u"; everything else is kept.
QString QuitarAcentos(const QString &s);
// A number typed or printed with the regional formats (currency symbol, percent sign,
// thousands separators, the negative format of regional().negativeCurrencyFormat) made
// ready for conversion. An empty text becomes "0" for kinds 1 and 2.
QString LimpiarNumero(const QString &s, int kind);
// The trimmed text padded with c up to n characters, on the left or on the right.
QString RellenarTexto(const QString &s, int n, QChar c, bool left);
// Index of the first element equal to s (case-sensitive), -1 when there is none.
int PosicionEnLista(const QStringList &list, const QString &s);

} // namespace k9
