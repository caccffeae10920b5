#pragma once

#include "data/Status.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

namespace k9 {

// One SQLite connection on the database of a data directory (the file `tablas.db` in it).
// Every connection waits up to 15 × 100 ms for a lock, uses journal_mode=DELETE (atomic
// across attached files) and refuses double-quoted string literals.
class Database
{
public:
    static constexpr int kBusyTimeoutMs = 15 * 100;

    enum class OpenMode {
        Existing, // fails when the directory holds no database
        Create,   // creates the file (and the directory) when missing
    };

    static QString fileIn(const QString &dir);
    static bool existsIn(const QString &dir);

    // A new connection of its own (for a save that needs its own transaction).
    static std::shared_ptr<Database> open(const QString &dir, OpenMode mode, Status *status = nullptr);
    // A connection on the module directory with the company data directory attached as
    // kDataAlias, so that one transaction covers the module and the host tables.
    static inline const QString kDataAlias = QStringLiteral("datos");
    static std::shared_ptr<Database> openModuleAndData(const QString &moduleDir, const QString &dataDir,
                                                       Status *status = nullptr);
    // The process-wide connection of a directory, shared by the tables opened there; kept
    // while anyone holds it. nullptr when the directory holds no database.
    static std::shared_ptr<Database> shared(const QString &dir);

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QSqlDatabase handle() const { return m_db; }
    const QString &directory() const { return m_dir; }

    // Attaches another directory's database under `alias`: one transaction then covers both.
    Status attach(const QString &dir, const QString &alias);
    Status detach(const QString &alias);
    // The schema holding `table` ("main" first, then the attached ones); empty when none has it.
    QString schemaOf(const QString &table) const;
    bool hasTable(const QString &table, const QString &schema = QStringLiteral("main")) const;
    QStringList tables(const QString &schema = QStringLiteral("main")) const;

    // Runs one statement written by the program; values are bound in order ("?").
    Status exec(const QString &sql, const QVariantList &values = {});
    bool inTransaction() const;

private:
    Database(QString dir, QString connectionName);
    QString m_dir;
    QString m_connectionName;
    QSqlDatabase m_db;
};

// A transaction taken with a write lock (BEGIN IMMEDIATE); rolled back when destroyed
// without commit().
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    const Status &beginStatus() const { return m_begin; }
    bool isActive() const { return m_active; }
    Status commit();
    Status rollback();

private:
    Database &m_db;
    Status m_begin = Status::ok();
    bool m_active = false;
};

// A savepoint inside a transaction: rollback() undoes only what came after it. Destroyed
// without release() it rolls back to itself.
class Savepoint
{
public:
    Savepoint(Database &db, const QString &name);
    ~Savepoint();
    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    const Status &beginStatus() const { return m_begin; }
    Status release();
    Status rollback();

private:
    Database &m_db;
    QString m_name;
    Status m_begin = Status::ok();
    bool m_active = false;
};

} // namespace k9
