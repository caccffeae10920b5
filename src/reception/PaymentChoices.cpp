#include "reception/PaymentChoices.h"

#include "core/CodeLists.h"
#include "core/Messages.h"
#include "data/Table.h"
#include "data/TableHelpers.h"

namespace k9 {

namespace {

void reportTable(const QString &table)
{
    messages().error(QStringLiteral("Error al cargar la tabla ") + table + QStringLiteral("."));
}

// The rows of `table` within its filter; false when it cannot be read.
bool readRows(Table &table, PaymentChoiceList &list, bool currency)
{
    list.rows.clear();
    for (bool more = table.first(); more; more = table.next()) {
        PaymentChoice row;
        row.code = table.text(list.valueField);
        for (const PaymentChoiceColumn &column : list.columns)
            row.columns << table.text(column.field);
        row.shown = row.columns.value(list.shownColumn);
        if (currency)
            row.factor = table.money(QStringLiteral("FM_FACTOR"));
        list.rows.append(row);
    }
    return table.lastStatus().isOk();
}

bool hasFields(const Table &table, const PaymentChoiceList &list)
{
    if (!table.hasField(list.valueField))
        return false;
    for (const PaymentChoiceColumn &column : list.columns) {
        if (!table.hasField(column.field))
            return false;
    }
    return true;
}

// The default currency of the company; empty when SSistema cannot be read.
QString defaultCurrency(const QString &dir)
{
    Table system;
    if (!AbrirTabla(system, QStringLiteral("SSistema"), dir) || !system.hasField(QStringLiteral("MONEDA_DEFECTO"))
        || !system.first())
        return QString();
    return system.text(QStringLiteral("MONEDA_DEFECTO"));
}

} // namespace

int PaymentChoiceList::indexOf(const QString &code) const
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).code == code)
            return static_cast<int>(i);
    }
    return -1;
}

PaymentChoiceList paymentChoiceLayout(int type)
{
    PaymentChoiceList list;
    switch (type) {
    case PaymentKind::Cheque:
    case PaymentKind::TarjetaDebito:
        list.table = QStringLiteral("SInstitucion");
        list.valueField = QStringLiteral("FIF_CODIGO");
        list.columns = {{QStringLiteral("FIF_TELEFONOSCONFORMACION"), 40}, {QStringLiteral("FIF_DESCRIPCION"), 40}};
        list.shownColumn = 1;
        break;
    case PaymentKind::TarjetaCredito:
        list.table = QStringLiteral("STarjetas");
        list.valueField = QStringLiteral("FTJ_CODIGO");
        list.columns = {{QStringLiteral("FTJ_DESCRIPCION"), 10}};
        break;
    default:
        list.table = QStringLiteral("SMoneda");
        list.valueField = QStringLiteral("FM_CODE");
        list.columns = {{QStringLiteral("FM_DESCRIPCION"), 10}};
        break;
    }
    return list;
}

PaymentChoiceList loadPaymentChoices(int type, const QString &dir)
{
    PaymentChoiceList list = paymentChoiceLayout(type);
    const bool currency = list.table == QStringLiteral("SMoneda");

    Table table;
    if (!AbrirTabla(table, list.table, dir) || !hasFields(table, list)
        || (currency && !table.hasField(QStringLiteral("FM_FACTOR")))) {
        reportTable(list.table);
        return list;
    }

    if (currency) {
        const QString code = defaultCurrency(dir);
        if (code.isEmpty()) {
            reportTable(QStringLiteral("SSistema"));
        } else {
            table.setFilter(QStringLiteral("FM_CODE = ?"), {code});
            if (readRows(table, list, true) && !list.rows.isEmpty())
                return list;
            reportTable(list.table);
        }
        table.clearFilter();
    }
    if (!readRows(table, list, currency))
        reportTable(list.table);
    return list;
}

} // namespace k9
