#include "printformats/PrintCondition.h"

#include "core/Helpers.h"
#include "core/Regional.h"

#include <optional>

namespace k9 {

namespace {

std::optional<double> toNumber(const QString &printed)
{
    QString t = LimpiarNumero(printed, 1);
    t.replace(regional().decimalSeparator, u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<double> operand(const QString &line, const std::function<QString(int)> &header)
{
    const QString t = line.trimmed();
    // A header field reference: group "1", the field number in characters 3-4.
    if (t.size() >= 4 && t[0] == u'1' && !t[1].isDigit() && t[2].isDigit() && t[3].isDigit())
        return toNumber(header(t.mid(2, 2).toInt()));
    return toNumber(t);
}

} // namespace

bool EvaluarCondicion(const QStringList &lines, const std::function<QString(int)> &printedHeaderField)
{
    const auto comparison = [&](int first) -> std::optional<bool> {
        const std::optional<double> a = operand(lines.value(first), printedHeaderField);
        const std::optional<double> b = operand(lines.value(first + 2), printedHeaderField);
        if (!a || !b)
            return std::nullopt;
        const QString op = lines.value(first + 1).trimmed();
        // CompararMonto's operations for "0" > ... "3" <=, "4" equal, "5" different.
        static constexpr int kOperation[] = {2, 3, 4, 5, 0, 1};
        if (op.isEmpty() || op[0] < u'0' || op[0] > u'5')
            return true;
        return CompararMonto(kOperation[op[0].unicode() - u'0'], *a, *b);
    };

    const bool hasFirst = !lines.value(0).trimmed().isEmpty();
    const bool hasSecond = !lines.value(4).trimmed().isEmpty();
    std::optional<bool> first = true;
    std::optional<bool> second = true;
    if (hasFirst)
        first = comparison(0);
    if (hasSecond)
        second = comparison(4);
    if (!first || !second)
        return true; // a failure while evaluating prints the format
    if (hasFirst && hasSecond)
        return lines.value(3).trimmed().startsWith(u'1') ? (*first || *second) : (*first && *second);
    return hasFirst ? *first : *second;
}

} // namespace k9
