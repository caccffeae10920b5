#include "core/Formula.h"

#include "core/Money.h"
#include "core/Regional.h"

#include <QDate>
#include <QList>

#include <cmath>
#include <optional>

namespace k9 {

namespace {

constexpr int kMaxTokens = 200;
// A number as the evaluator holds it: at most 15 characters, with 4 decimals.
constexpr int kMaxNumberChars = 15;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isOperator(QChar c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/';
}

// Every blank is dropped unless it stands between two digits.
QString removeBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSpace()) {
            const bool betweenDigits = !out.isEmpty() && isDigit(out.back()) && i + 1 < text.size()
                                       && isDigit(text[i + 1]);
            if (betweenDigits)
                out += u' ';
            continue;
        }
        out += c;
    }
    return out;
}

// ---------------------------------------------------------------- number arithmetic

struct Slot
{
    bool isOperator = false;
    QChar op;
    std::optional<double> number; // nullopt: a token that does not convert
};

struct Evaluation
{
    bool outOfLimits = false;

    // The value rounded to 4 decimals, as it is written back; beyond 15 characters in that
    // form the evaluation is out of its limits.
    double keep(double v)
    {
        if (!std::isfinite(v)) {
            outOfLimits = true;
            return 0;
        }
        const QString text = QString::number(v, 'f', 4);
        if (text.size() > kMaxNumberChars) {
            outOfLimits = true;
            return 0;
        }
        return text.toDouble();
    }

    double apply(QChar op, double left, double right)
    {
        switch (op.unicode()) {
        case u'*':
            return keep(left * right);
        case u'/':
            return right == 0 ? 0.0 : keep(left / right);
        case u'+':
            return keep(left + right);
        default:
            return keep(left - right);
        }
    }

    // Reduces one parenthesised group to its value.
    std::optional<double> reduce(QList<Slot> parts)
    {
        // Signs: a "+" or "-" at the start or after another operator applies to what follows.
        for (qsizetype i = parts.size() - 2; i >= 0; --i) {
            const Slot &s = parts[i];
            const bool sign = s.isOperator && (s.op == u'+' || s.op == u'-')
                              && (i == 0 || parts[i - 1].isOperator) && !parts[i + 1].isOperator;
            if (!sign)
                continue;
            if (s.op == u'-' && parts[i + 1].number)
                parts[i + 1].number = keep(-*parts[i + 1].number);
            parts.removeAt(i);
        }
        const auto pass = [&](QChar a, QChar b) {
            for (qsizetype i = 0; i < parts.size();) {
                if (!parts[i].isOperator || (parts[i].op != a && parts[i].op != b)) {
                    ++i;
                    continue;
                }
                const bool hasLeft = i > 0 && !parts[i - 1].isOperator;
                const bool hasRight = i + 1 < parts.size() && !parts[i + 1].isOperator;
                // An operand that is missing or does not convert makes the result 0.
                const bool convertible = hasLeft && hasRight && parts[i - 1].number.has_value()
                                         && parts[i + 1].number.has_value();
                Slot result;
                result.number = convertible
                                    ? apply(parts[i].op, parts[i - 1].number.value_or(0), parts[i + 1].number.value_or(0))
                                    : 0.0;
                const qsizetype first = hasLeft ? i - 1 : i;
                const qsizetype last = hasRight ? i + 1 : i;
                parts.remove(first, last - first + 1);
                parts.insert(first, result);
                i = first + 1;
            }
        };
        pass(u'*', u'/');
        pass(u'+', u'-');
        for (const Slot &s : parts)
            if (!s.isOperator && s.number)
                return s.number;
        return std::nullopt;
    }
};

// A number token read with the regional decimal separator (or ".").
std::optional<double> convert(QString token)
{
    token.replace(regional().decimalSeparator, u'.');
    bool dot = false;
    for (const QChar c : token) {
        if (c == u'.' && !dot)
            dot = true;
        else if (!isDigit(c))
            return std::nullopt;
    }
    bool ok = false;
    const double v = token.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

QString evaluateNumbers(const QString &text, double *value)
{
    *value = 0;
    const QString s = removeBlanks(text);

    // Tokens: "(", ")", the operators, and numbers (a digit and what follows it up to a
    // blank, an operator or a parenthesis). Other characters are skipped.
    QList<QString> tokens;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (c == u'(' || c == u')' || isOperator(c)) {
            tokens << QString(c);
            ++i;
        } else if (isDigit(c)) {
            qsizetype j = i;
            while (j < s.size() && s[j] != u' ' && s[j] != u'(' && s[j] != u')' && !isOperator(s[j]))
                ++j;
            tokens << s.mid(i, j - i);
            i = j;
        } else {
            ++i;
        }
    }

    Evaluation eval;
    bool malformed = false;
    QList<QList<Slot>> groups(1);
    if (tokens.size() > kMaxTokens)
        eval.outOfLimits = true;
    for (const QString &t : std::as_const(tokens)) {
        if (eval.outOfLimits || malformed)
            break;
        Slot slot;
        if (t == u"(") {
            groups.append(QList<Slot>());
            continue;
        }
        if (t == u")") {
            if (groups.size() == 1) {
                malformed = true;
                break;
            }
            slot.number = eval.reduce(groups.takeLast());
        } else if (isOperator(t.front())) {
            slot.isOperator = true;
            slot.op = t.front();
        } else if (t.size() > kMaxNumberChars) {
            eval.outOfLimits = true;
        } else {
            slot.number = convert(t);
        }
        groups.last().append(slot);
    }
    // Groups left open are closed at the end.
    while (groups.size() > 1 && !eval.outOfLimits && !malformed) {
        Slot slot;
        slot.number = eval.reduce(groups.takeLast());
        groups.last().append(slot);
    }
    std::optional<double> result;
    if (!eval.outOfLimits && !malformed)
        result = eval.reduce(groups.first());
    if (result)
        result = eval.keep(*result);
    const double v = (result && !eval.outOfLimits) ? *result : 0.0;
    *value = v;
    return formatAmountTrimmed(Money::fromDouble(v), regional().amountDecimals);
}

// ---------------------------------------------------------------- date arithmetic

QChar dateSeparator()
{
    const QString &f = regional().shortDateFormat;
    return f.size() > 2 ? f[2] : QChar(u'/');
}

// "dd" sep "mm" sep "yyyy" at `at`: day 1-31, month 1-12, year 1-9999. Month lengths are not
// checked here.
bool looksLikeDate(const QString &s, qsizetype at, int *d, int *m, int *y)
{
    if (at + 10 > s.size())
        return false;
    const QChar sep = dateSeparator();
    for (int k = 0; k < 10; ++k) {
        const QChar c = s[at + k];
        if ((k == 2 || k == 5) ? c != sep : !isDigit(c))
            return false;
    }
    *d = s.mid(at, 2).toInt();
    *m = s.mid(at + 3, 2).toInt();
    *y = s.mid(at + 6, 4).toInt();
    return *d >= 1 && *d <= 31 && *m >= 1 && *m <= 12 && *y >= 1;
}

struct DateValue
{
    bool isDate = false;
    qint64 n = 0; // the Julian day of a date, or a count of days
};

std::optional<DateValue> combine(const DateValue &a, QChar op, const DateValue &b)
{
    if (op == u'+') {
        if (a.isDate && b.isDate)
            return std::nullopt;
        return DateValue{a.isDate || b.isDate, a.n + b.n};
    }
    if (!a.isDate && b.isDate)
        return std::nullopt;
    return DateValue{a.isDate && !b.isDate, a.n - b.n};
}

QString evaluateDates(const QString &text, double *value)
{
    *value = 0;
    const QString s = removeBlanks(text);
    const QChar sep = dateSeparator();

    std::optional<DateValue> acc;
    QChar pending;     // operator waiting for its right operand
    QChar leadingSign; // sign before the first operand
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        if (c == u'+' || c == u'-') {
            if (!pending.isNull())
                return QString();
            if (acc)
                pending = c;
            else if (leadingSign.isNull())
                leadingSign = c;
            else
                return QString();
            ++i;
            continue;
        }
        if (!isDigit(c)) {
            ++i; // "@" marks and unknown characters
            continue;
        }
        DateValue operand;
        int d = 0, m = 0, y = 0;
        if (looksLikeDate(s, i, &d, &m, &y)) {
            const QDate date(y, m, d);
            if (!date.isValid())
                return QString();
            operand = {true, date.toJulianDay()};
            i += 10;
        } else {
            qsizetype j = i;
            while (j < s.size() && isDigit(s[j]))
                ++j;
            if (j < s.size() && s[j] == sep)
                return QString(); // a date that is not written as one
            bool ok = false;
            const qint64 n = s.mid(i, j - i).toLongLong(&ok);
            if (!ok || j - i > 7)
                return QString();
            operand = {false, n};
            i = j;
        }
        if (!acc) {
            if (leadingSign == u'-') {
                if (operand.isDate)
                    return QString();
                operand.n = -operand.n;
            }
            acc = operand;
        } else {
            if (pending.isNull())
                return QString(); // two operands without an operator
            acc = combine(*acc, pending, operand);
            if (!acc)
                return QString();
            pending = QChar();
        }
    }
    if (!acc || !pending.isNull())
        return QString();
    if (!acc->isDate) {
        *value = static_cast<double>(acc->n);
        return QString::number(acc->n);
    }
    const QDate date = QDate::fromJulianDay(acc->n);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QString();
    return date.toString(regional().shortDateFormat);
}

} // namespace

QString EvaluarFormula(const QString &text, double *value)
{
    double scratch = 0;
    double *out = value ? value : &scratch;
    *out = 0;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QString();
    if (t.front() == u'@')
        return evaluateDates(t, out);
    return evaluateNumbers(t, out);
}

} // namespace k9
