#pragma once

// Shared pieces of the reception save and stored-document tests: a demo workspace per test,
// a scripted payment, a print that keeps what it is given, and a dump of the tables a save
// writes so that a test can see that nothing changed.
#include "core/CodeLists.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Database.h"
#include "data/Query.h"
#include "data/Startup.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"
#include "reception/ReceptionSave.h"
#include "support/TestWorkspace.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QCryptographicHash>
#include <QSqlRecord>
#include <QtTest>
#include <memory>

namespace k9::test {

inline Money m(const char *text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

class ScriptedPayment : public PaymentStep
{
public:
    PaymentResult takePayment(const PaymentRequest &request) override
    {
        requests << request;
        return result;
    }
    PaymentResult result;
    QList<PaymentRequest> requests;
};

class KeptPrints : public PrintStep
{
public:
    bool print(const PrintDocument &document, bool reprint) override
    {
        documents << document;
        reprints << reprint;
        return succeeds;
    }
    bool succeeds = true;
    QList<PrintDocument> documents;
    QList<bool> reprints;
};

// A fresh demo workspace, loaded as the program loads it, with the tax at 9 %.
class DemoWorkspace
{
public:
    bool create()
    {
        m_dir = std::make_unique<ScratchDir>();
        if (!workspace::createWorkspace(m_dir->path()) || !workspace::fillDemoCompany(m_dir->path()))
            return false;
        if (loadWorkspace(m_dir->path()) != StartupResult::Ready)
            return false;
        taxDefaults().TasaImpuesto1 = m("9");
        taxDefaults().SimboloMoneda = QStringLiteral("Bs.");
        return true;
    }
    std::shared_ptr<Database> rma() const { return Database::open(paths().DirRMA, Database::OpenMode::Existing); }
    std::shared_ptr<Database> data() const { return Database::open(paths().DirDatos, Database::OpenMode::Existing); }

private:
    std::unique_ptr<ScratchDir> m_dir;
};

// Every row of a table as text (blobs by their hash), in row order.
inline QStringList dumpTable(Database &db, const QString &table)
{
    QStringList rows;
    QSqlQuery q(db.handle());
    if (!q.exec(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid"))) {
        rows << QStringLiteral("error ") + table;
        return rows;
    }
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            cells << (v.metaType().id() == QMetaType::QByteArray
                          ? QString::fromLatin1(QCryptographicHash::hash(v.toByteArray(), QCryptographicHash::Md5).toHex())
                          : v.toString());
        }
        rows << cells.join(u'|');
    }
    return rows;
}

// The tables a reception save or a voiding writes, in both directories.
inline QStringList dumpSaveTables()
{
    QStringList out;
    auto rma = Database::open(paths().DirRMA, Database::OpenMode::Existing);
    auto data = Database::open(paths().DirDatos, Database::OpenMode::Existing);
    for (const char *t : {"k9Recepcion", "k9DetalleRecepcion", "k9RMAConfig", "k9RMACitas", "k9RMAOperaciones"})
        out << dumpTable(*rma, QString::fromLatin1(t));
    for (const char *t : {"SCajaMaestro", "SCajaMayor1"})
        out << dumpTable(*data, QString::fromLatin1(t));
    return out;
}

inline QVariant scalar(Database &db, const QString &sql, const QVariantMap &values = {})
{
    Query q(db);
    if (!q.run(sql, values) || !q.next())
        return QVariant();
    return q.value(0);
}

inline TRMAReg receivedItem(const QString &product, const QString &serial, const char *revision = "0",
                            const char *advance = "0", int quantity = 1)
{
    TRMAReg i;
    i.productCode = product;
    i.description = QStringLiteral("Producto ") + product;
    i.serial = serial;
    i.fromHost = true;
    i.revisionAmount = m(revision);
    i.advance = m(advance);
    i.quantity = quantity;
    i.receptionDate = QDateTime(QDate::currentDate(), QTime(0, 0));
    i.reason = Reason::Reparacion;
    i.priority = ItemPriority::Media;
    i.receivedAs = ReceivedAs::Servicio;
    i.condition = QStringLiteral("Buen estado");
    i.faults = QStringLiteral("No enciende");
    i.receiverCode = QStringLiteral("V002");
    return i;
}

// A new document of the demo customer C0000001 showing the next number of the counter.
inline ReceptionDocument newDocument(const QList<TRMAReg> &items)
{
    ReceptionDocument doc;
    doc.reset(nextDocumentNumber(LeerOpcionEntera(QStringLiteral("FC_RMA"))));
    doc.setCustomer({QStringLiteral("C0000001"), QStringLiteral("Inversiones El Ávila, C.A."), QStringLiteral("Caracas"),
                     QStringLiteral("0212-5550101")},
                    true);
    for (const TRMAReg &item : items)
        doc.insertItem(item);
    return doc;
}

inline const Salesman kSalesman{QStringLiteral("V002"), QStringLiteral("Vendedor Dos")};

} // namespace k9::test
