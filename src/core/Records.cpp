#include "core/Records.h"

#include "core/Regional.h"

namespace k9 {

namespace {

// A number as the number editor displays it: the regional thousands separator may appear,
// the decimal separator is the regional one (or ".").
QVariant numberValue(const QString &text)
{
    QString plain = text.trimmed();
    plain.remove(u' ');
    const QChar thousands = regional().thousandsSeparator;
    if (thousands != regional().decimalSeparator)
        plain.remove(thousands);
    if (plain.isEmpty())
        return {};
    const std::optional<Money> value = Money::parse(plain);
    return value ? QVariant::fromValue(*value) : QVariant();
}

QVariant dateValue(const QString &text)
{
    const QDate date = parseDate(text);
    return date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
}

QVariant indexValue(const QString &text)
{
    bool ok = false;
    const int index = text.trimmed().toInt(&ok);
    return ok ? QVariant(index) : QVariant();
}

} // namespace

QVariant storedFieldValue(const TNewCampos &field)
{
    switch (field.controlKind) {
    case ControlKind::NumberEdit: return numberValue(field.value);
    case ControlKind::DateEdit: return dateValue(field.value);
    case ControlKind::RadioGroup: return indexValue(field.value);
    case ControlKind::CheckBox: return QVariant(field.value != u"0");
    default: return QVariant(field.value);
    }
}

void applyReceptionBudgetState(TDoc &doc)
{
    doc.budgetState = budgetStateOfReception(doc.status, doc.budgetState);
}

} // namespace k9
