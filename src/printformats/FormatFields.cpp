#include "printformats/FormatFields.h"

#include "core/Formula.h"
#include "core/Globals.h"
#include "core/Regional.h"
#include "data/TableHelpers.h"
#include "data/Table.h"
#include "data/Workspace.h"

#include <QRegularExpression>

namespace k9 {

QString printedAmount(Money amount)
{
    return formatAmountTrimmed(amount, regional().amountDecimals);
}

SystemValues SystemValues::fromWorkspace()
{
    SystemValues v;
    const CompanyIdentity &c = company();
    v.companyName = c.NombreEmpresa;
    v.address1 = c.DireccionEmpresa;
    v.nit = c.NitEmpresa;
    v.rif = c.RifEmpresa;
    v.phones = c.TelefonoEmpresa;
    v.userName = session().NombreUsuario;
    v.today = parseDate(FechaTrabajo);
    if (!v.today.isValid())
        v.today = QDate::currentDate();
    if (!paths().DirTrabajo.isEmpty()) {
        auto companyTable = CrearTabla(paths().DirTrabajo, QStringLiteral("Sempresas"));
        if (companyTable->isActive() && companyTable->hasRow())
            v.address2 = companyTable->text(QStringLiteral("FE_DIRECCION2"));
    }
    return v;
}

FormatFields::FormatFields(const PrintDocument &document, const SystemValues &system)
    : m_document(document), m_system(system)
{
}

FieldValue FormatFields::value(const FieldCode &code) const
{
    switch (code.group) {
    case FieldCode::Group::System:
        return systemValue(code.number);
    case FieldCode::Group::Header:
        return headerValue(code.number);
    case FieldCode::Group::Item:
        return itemValue(code.number);
    case FieldCode::Group::Formula:
        return formulaValue(code.formula);
    }
    return {};
}

FieldValue FormatFields::systemValue(int code) const
{
    switch (code) {
    case SysCompanyName:
        return {m_system.companyName, {}};
    case SysAddress1:
        return {m_system.address1, {}};
    case SysAddress2:
        return {m_system.address2, {}};
    case SysNit:
        return {m_system.nit, {}};
    case SysRif:
        return {m_system.rif, {}};
    case SysPhones:
        return {m_system.phones, {}};
    case SysToday:
        return {formatDate(m_system.today), {}};
    case SysUserName:
        return {m_system.userName, {}};
    case SysCopyCaption:
        return {copyCaption, {}};
    case SysPageNumber:
        return {QString::number(pageNumber), Money::fromUnits(pageNumber)};
    case SysPageCount:
        return {QString::number(pageCount), Money::fromUnits(pageCount)};
    default:
        return {};
    }
}

FieldValue FormatFields::headerValue(int field) const
{
    const auto it = m_document.header.constFind(field);
    if (it == m_document.header.constEnd())
        return {};
    if (it->isAmount())
        return {printedAmount(it->amount()), it->amount()};
    return {it->text(), {}};
}

QString FormatFields::printedHeader(int field) const
{
    return headerValue(field).text;
}

FieldValue FormatFields::itemValue(int field) const
{
    Money sum;
    QStringList texts;
    bool anyAmount = false;
    for (const auto &item : m_document.items) {
        const auto it = item.constFind(field);
        if (it == item.constEnd())
            continue;
        if (it->isAmount()) {
            anyAmount = true;
            sum += it->amount();
        } else if (!it->text().isEmpty()) {
            texts << it->text();
        }
    }
    if (anyAmount)
        return {printedAmount(sum), sum};
    return {texts.join(u' '), {}};
}

QStringList FormatFields::itemLines(int field) const
{
    QStringList lines;
    for (const auto &item : m_document.items) {
        const auto it = item.constFind(field);
        if (it == item.constEnd())
            continue;
        lines << (it->isAmount() ? printedAmount(it->amount()) : it->text());
    }
    return lines;
}

FieldValue FormatFields::formulaValue(const QString &formula) const
{
    // Every "F" + code is replaced by that code's value. Numbers go in without thousands
    // separators, so that the evaluator reads them.
    static const QRegularExpression reference(QStringLiteral("F([012]_\\d\\d)"));
    QString text;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(formula); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += formula.mid(last, m.capturedStart() - last);
        const std::optional<FieldCode> code = FieldCode::parse(m.captured(1));
        const FieldValue v = code ? value(*code) : FieldValue();
        text += v.number ? v.number->toShortString() : v.text;
        last = m.capturedEnd();
    }
    text += formula.mid(last);

    double number = 0;
    const QString result = EvaluarFormula(text, &number);
    if (text.trimmed().startsWith(u'@')) {
        // A day count is a number; a date is a text.
        bool isCount = false;
        result.toLongLong(&isCount);
        if (isCount)
            return {result, Money::fromDouble(number)};
        return {result, {}};
    }
    if (result.isEmpty())
        return {};
    return {result, Money::fromDouble(number)};
}

} // namespace k9
