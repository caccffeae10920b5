#include "data/Catalog.h"

#include "data/Database.h"

#include <QMutex>
#include <QMutexLocker>

#include <map>

namespace k9 {

namespace {

const QList<TableDef> &fixedTables()
{
    static const QList<TableDef> all = moduleTables() + hostDataTables() + companyTables() + historyTables();
    return all;
}

// The box number of "SCajaMayor<n>", or -1 when `name` is not such a table.
int pettyCashBox(const QString &name)
{
    if (!name.startsWith(kPettyCashPrefix, Qt::CaseInsensitive))
        return -1;
    const QString digits = name.mid(kPettyCashPrefix.size());
    bool ok = false;
    const int box = digits.toInt(&ok);
    // Only the name the program builds: decimal digits, no sign, no leading zeros.
    if (!ok || box < 0 || QString::number(box) != digits)
        return -1;
    return box;
}

} // namespace

const TableDef *findTableDef(const QString &name)
{
    for (const TableDef &def : fixedTables())
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            return &def;

    const int box = pettyCashBox(name);
    if (box < 0)
        return nullptr;
    // One definition per box, kept for the life of the process (std::map keeps its
    // elements in place, so the pointers handed out stay valid).
    static QMutex mutex;
    static std::map<int, TableDef> boxes;
    QMutexLocker lock(&mutex);
    auto it = boxes.find(box);
    if (it == boxes.end())
        it = boxes.emplace(box, pettyCashTable(box)).first;
    return &it->second;
}

Status createTables(Database &db, const QList<TableDef> &defs)
{
    Transaction transaction(db);
    if (!transaction.beginStatus())
        return transaction.beginStatus();
    for (const TableDef &def : defs) {
        if (Status s = createTable(db, def); !s)
            return Status::failure(QStringLiteral("No se pudo crear la tabla ") + def.name
                                   + QStringLiteral(": ") + s.message());
    }
    return transaction.commit();
}

} // namespace k9
