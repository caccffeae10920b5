#pragma once

// What the parts of the demo company share while it is written: the connections (each in
// its transaction), today's date, the tax rate, the sales made, and the keys handed out.

#include "workspace/DemoRows.h"
#include "workspace/WorkspaceBuilder.h"

#include <QHash>

#include <array>
#include <memory>

namespace k9::workspace::demo {

// One line of a sales invoice; a serial when the product is sold with serials.
struct SoldLine
{
    QString product;
    Money quantity;
    Money price; // unit price before tax
    Money cost;
    QString serial;
    QString detail;  // lot or size/colour code
    qint64 lotKey = 0;
    bool decimals = false;
};

// A sales invoice (operation type 11) of the current period (0) or of a history period.
struct Sale
{
    int period = 0;
    qint64 key = 0;   // FTI_AUTOINCREMENT / FDI_OPERACION_AUTOINCREMENT
    QString document; // FTI_DOCUMENTO / FDI_DOCUMENTO
    QString customer;
    QString seller;
    QDateTime date;
    QList<SoldLine> lines;
};

// A product of the large volumes, drawn from the word lists by its number (from 0).
struct ScaleProduct
{
    QString code;
    QString name;
    QString brand;
    QString model;
    QString category;
    QString serialPrefix;
    Money price;
};
ScaleProduct scaleProduct(int i);

// A customer of the large volumes, drawn the same way.
struct ScaleCustomer
{
    QString code;
    QString name;
    QString detail;
    QString address;
    QString phone;
    QString rif;
    QString nit;
};
ScaleCustomer scaleCustomer(int i);

struct Context
{
    Context(const QString &root, int scale);

    Dirs dirs;
    int scale = 0;
    QDate today;
    Money taxRate;    // SSistema.MTO_IMPUESTO1
    QString userName; // the administrator, who made the demo documents
    std::shared_ptr<Database> data;
    std::shared_ptr<Database> rma;
    std::array<std::shared_ptr<Database>, Layout::kHistoryPeriods> periods; // PERIODO_1, PERIODO_2
    Dice dice{20240611u};

    int volume() const { return 1000 * scale; } // rows of each kind for the benchmarks

    // Lot keys of Sinvlote by product and lot code (set when the lots are written).
    QHash<QString, qint64> lotKeys;
    qint64 lotKey(const QString &product, const QString &lot) const
    {
        return lotKeys.value(product + u'|' + lot);
    }

    // The invoices written: the demo's first (in the order they are listed), then the
    // large volumes.
    QList<Sale> sales;
    int demoSales = 0;

    // A new serial number, unique in the whole company.
    QString nextSerial(const QString &prefix);
    int serialsMade = 0;

    // Dates of a period: 0 the current year up to today, n the year n years ago.
    QDate periodStart(int period) const;
    QDate periodEnd(int period) const;
    // A date inside the period, `permille` thousandths of the way through it.
    QDate dateIn(int period, int permille) const;

    Money withTax(Money base) const { return base + taxOf(base, taxRate); }
    // Documents made after an event are never dated after today.
    QDateTime notAfterToday(const QDateTime &when) const { return qMin(when, at(today, 18)); }

    // Correlatives of k9RMAConfig: read before the documents are written, advanced by each
    // numbered document and written back at the end.
    qint64 lastReception = 0;
    qint64 lastBudget = 0;
    qint64 lastService = 0;
    qint64 lastShipment = 0;
    static QString documentNumber(qint64 number) { return QString::number(number).rightJustified(8, u'0'); }

    QString defaultCurrency; // SSistema.MONEDA_DEFECTO
};

// The parts of the demo, each writing into the context's connections.
Status writeHostData(Context &ctx);         // data directory: the company's master data
Status writeScaleMasters(Context &ctx);     // data directory: customers and products in volume
Status writeSales(Context &ctx);            // data and history directories
Status writeModuleDocuments(Context &ctx);  // module directory (and the petty cash paid into)
Status writeScaleDocuments(Context &ctx);   // module directory: receptions in volume
Status writeOptions(Context &ctx);          // the module options and correlatives

} // namespace k9::workspace::demo
