#pragma once

#include "core/Money.h"
#include "printformats/Layout.h"
#include "printformats/PrintDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace k9 {

// The company and system values of group "0".
struct SystemValues
{
    QString companyName;
    QString address1;
    QString address2;
    QString nit;
    QString rif;
    QString phones;
    QString userName;
    QDate today;

    // From the company identity, the logged-in user, today's date and the company record's
    // second address line.
    static SystemValues fromWorkspace();
};

// What one code prints: its text, and its number when it has one (amounts, sums, numeric
// formula results), used for NUMERO elements, words and formulas.
struct FieldValue
{
    QString text;
    std::optional<Money> number;
};

// Fills the codes of a layout from a document.
class FormatFields
{
public:
    FormatFields(const PrintDocument &document, const SystemValues &system);

    QString copyCaption = QStringLiteral("Original");
    int pageNumber = 1;
    int pageCount = 1;

    // The value of a code on one line: header fields as they are (amounts with the amount
    // format), item fields added up (amounts) or joined with blanks (texts), formulas
    // evaluated after their "F" references are replaced.
    FieldValue value(const FieldCode &code) const;
    // An item field listed one item per line (items without the field are left out).
    QStringList itemLines(int field) const;
    // The header field as printed (used by the print conditions).
    QString printedHeader(int field) const;

private:
    FieldValue systemValue(int code) const;
    FieldValue headerValue(int field) const;
    FieldValue itemValue(int field) const;
    FieldValue formulaValue(const QString &formula) const;

    const PrintDocument &m_document;
    SystemValues m_system;
};

// An amount as print formats show it: the amount decimals and thousands separators.
QString printedAmount(Money amount);

} // namespace k9
