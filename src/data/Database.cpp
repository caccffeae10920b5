#include "data/Database.h"

#include "data/Schema.h"
#include "data/Storage.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace k9 {

namespace {

QString connectionError(const QSqlError &e)
{
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.text();
    return text;
}

QString canonicalDir(const QString &dir)
{
    const QFileInfo info(dir);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString uriFor(const QString &file, bool create)
{
    QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    uri += create ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw");
    return uri;
}

void disableDoubleQuotedStrings(const QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return;
    if (auto *handle = *static_cast<sqlite3 *const *>(v.constData())) {
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 0, static_cast<int *>(nullptr));
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DDL, 0, static_cast<int *>(nullptr));
    }
}

QHash<QString, std::weak_ptr<Database>> &sharedConnections()
{
    static QHash<QString, std::weak_ptr<Database>> map;
    return map;
}

} // namespace

QString Database::fileIn(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral("tablas.db"));
}

bool Database::existsIn(const QString &dir)
{
    return QFileInfo(fileIn(dir)).isFile();
}

Database::Database(QString dir, QString connectionName)
    : m_dir(std::move(dir)), m_connectionName(std::move(connectionName))
{
}

std::shared_ptr<Database> Database::open(const QString &dir, OpenMode mode, Status *status)
{
    auto fail = [status](const QString &message) {
        if (status)
            *status = Status::failure(message);
        return std::shared_ptr<Database>();
    };
    const bool create = mode == OpenMode::Create;
    if (create && !QDir().mkpath(dir))
        return fail(QStringLiteral("No se pudo crear el directorio ") + dir);
    if (!create && !existsIn(dir))
        return fail(QStringLiteral("No existe la base de datos en ") + dir);

    static QAtomicInt counter;
    const QString name = QStringLiteral("k9db_%1").arg(counter.fetchAndAddRelaxed(1));
    std::shared_ptr<Database> db(new Database(canonicalDir(dir), name));
    db->m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db->m_db.setDatabaseName(uriFor(fileIn(dir), create));
    db->m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1")
                                   .arg(kBusyTimeoutMs));
    if (!db->m_db.open())
        return fail(connectionError(db->m_db.lastError()));
    disableDoubleQuotedStrings(db->m_db);
    if (Status s = db->exec(QStringLiteral("PRAGMA journal_mode=DELETE")); !s)
        return fail(s.message());
    if (status)
        *status = Status::ok();
    return db;
}

std::shared_ptr<Database> Database::openModuleAndData(const QString &moduleDir, const QString &dataDir,
                                                     Status *status)
{
    Status local = Status::ok();
    auto db = open(moduleDir, OpenMode::Existing, &local);
    if (db)
        local = db->attach(dataDir, kDataAlias);
    if (status)
        *status = local;
    return local ? db : nullptr;
}

std::shared_ptr<Database> Database::shared(const QString &dir)
{
    if (!existsIn(dir))
        return nullptr;
    const QString key = canonicalDir(dir);
    auto &map = sharedConnections();
    if (auto existing = map.value(key).lock())
        return existing;
    auto db = open(dir, OpenMode::Existing);
    if (db)
        map.insert(key, db);
    return db;
}

Database::~Database()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Status Database::attach(const QString &dir, const QString &alias)
{
    if (!isIdentifier(alias))
        return Status::failure(QStringLiteral("Alias no válido: ") + alias);
    if (!existsIn(dir))
        return Status::failure(QStringLiteral("No existe la base de datos en ") + dir);
    if (Status s = exec(QStringLiteral("ATTACH DATABASE ? AS ") + quoteIdentifier(alias),
                        {uriFor(fileIn(dir), false)});
        !s)
        return s;
    return exec(QStringLiteral("PRAGMA ") + quoteIdentifier(alias) + QStringLiteral(".journal_mode=DELETE"));
}

Status Database::detach(const QString &alias)
{
    if (!isIdentifier(alias))
        return Status::failure(QStringLiteral("Alias no válido: ") + alias);
    return exec(QStringLiteral("DETACH DATABASE ") + quoteIdentifier(alias));
}

bool Database::hasTable(const QString &table, const QString &schema) const
{
    if (!isIdentifier(schema))
        return false;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT 1 FROM ") + quoteIdentifier(schema)
              + QStringLiteral(".sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(table);
    return q.exec() && q.next();
}

QString Database::schemaOf(const QString &table) const
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA database_list")))
        return {};
    QStringList schemas;
    while (q.next())
        schemas << q.value(1).toString();
    for (const QString &schema : schemas)
        if (schema != u"temp" && hasTable(table, schema))
            return schema;
    return {};
}

QStringList Database::tables(const QString &schema) const
{
    QStringList out;
    if (!isIdentifier(schema))
        return out;
    QSqlQuery q(m_db);
    if (q.exec(QStringLiteral("SELECT name FROM ") + quoteIdentifier(schema)
               + QStringLiteral(".sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name")))
        while (q.next())
            out << q.value(0).toString();
    return out;
}

Status Database::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery q(m_db);
    if (!q.prepare(sql))
        return Status::failure(connectionError(q.lastError()));
    for (const QVariant &v : values)
        q.addBindValue(toStorage(v));
    if (!q.exec())
        return Status::failure(connectionError(q.lastError()));
    return Status::ok();
}

bool Database::inTransaction() const
{
    const QVariant v = m_db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return false;
    auto *handle = *static_cast<sqlite3 *const *>(v.constData());
    return handle && sqlite3_get_autocommit(handle) == 0;
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_begin = m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    m_active = m_begin.isOk();
}

Transaction::~Transaction()
{
    if (m_active)
        rollback();
}

Status Transaction::commit()
{
    if (!m_active)
        return Status::failure(QStringLiteral("No hay una transacción activa"));
    Status s = m_db.exec(QStringLiteral("COMMIT"));
    if (s)
        m_active = false;
    return s;
}

Status Transaction::rollback()
{
    if (!m_active)
        return Status::ok();
    m_active = false;
    if (!m_db.inTransaction())
        return Status::ok(); // the engine already rolled back after a fatal error
    return m_db.exec(QStringLiteral("ROLLBACK"));
}

Savepoint::Savepoint(Database &db, const QString &name) : m_db(db), m_name(name)
{
    if (!isIdentifier(name)) {
        m_begin = Status::failure(QStringLiteral("Nombre no válido: ") + name);
        return;
    }
    m_begin = m_db.exec(QStringLiteral("SAVEPOINT ") + quoteIdentifier(name));
    m_active = m_begin.isOk();
}

Savepoint::~Savepoint()
{
    if (m_active)
        rollback();
}

Status Savepoint::release()
{
    if (!m_active)
        return Status::failure(QStringLiteral("No hay un punto de recuperación activo"));
    m_active = false;
    return m_db.exec(QStringLiteral("RELEASE SAVEPOINT ") + quoteIdentifier(m_name));
}

Status Savepoint::rollback()
{
    if (!m_active)
        return Status::ok();
    m_active = false;
    if (Status s = m_db.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + quoteIdentifier(m_name)); !s)
        return s;
    return m_db.exec(QStringLiteral("RELEASE SAVEPOINT ") + quoteIdentifier(m_name));
}

} // namespace k9
