#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace k9 {

// Whether a format with these ".CON" lines is printed. Lines 0 and 2 are the operands of the
// first comparison, 4 and 6 those of the second; lines 1 and 5 the comparisons by their first
// character ("0" >, "1" >=, "2" <, "3" <=, "4" equal, "5" different, compared with
// CompararMonto; any other character holds); line 3 joins them ("0" and, "1" or). A comparison
// is evaluated only when its first operand is not empty. An operand "1_NN" is the header field
// NN as printed, read back with LimpiarNumero; any other operand is read as a number. No lines,
// or an operand that cannot be read, print the format.
bool EvaluarCondicion(const QStringList &lines, const std::function<QString(int headerField)> &printedHeaderField);

} // namespace k9
