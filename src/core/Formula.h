#pragma once

#include <QString>

namespace k9 {

// Evaluates the formula of a print-format field and returns the text to print.
//
// Number arithmetic (any text that does not start with "@"): numbers, "+", "-", "*", "/"
// and parentheses; "*" and "/" bind tighter than "+" and "-", operators of one level apply
// left to right, a "+" or "-" at the start, after "(" or after another operator is a sign.
// Blanks are ignored except between two digits. A number is read with the regional decimal
// separator or "."; a number written with thousands separators does not convert. Every
// intermediate result is kept with 4 decimals; division by 0 gives 0; an operation on
// something that is not a number gives 0; letters and other signs are skipped. The result is
// printed with the amount decimals and thousands separators ("14,00"); an empty text gives an
// empty result. Beyond the evaluator's limits (more than 200 tokens, a number of more than 15
// characters, a value that does not fit 15 characters with 4 decimals: more than 10 integer
// digits, or 9 when negative) the result is 0.
//
// Date arithmetic (text starting with "@"): dates "dd/mm/yyyy" and whole day counts joined
// by "+" and "-": date ± days gives a date, date − date gives the days between them, days ±
// days gives days. The result is a date in the short date format or a whole number of days;
// a malformed expression, or a date that does not exist, gives an empty result.
//
// Never throws. When `value` is given it receives the number (the days of a day count; 0 for
// a date or an empty result).
QString EvaluarFormula(const QString &text, double *value = nullptr);

} // namespace k9
