#pragma once

#include "queries/ListKinds.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>

#include <memory>
#include <optional>

namespace k9 {

class Database;

// The texts of lookup columns: the display field of the other table's row with a key, read
// once per (table, field, key) and then taken from the cache. Each other table is reached
// through its own prepared query on its directory's database, released with the cache.
class LookupCache
{
public:
    LookupCache() = default;
    ~LookupCache();
    LookupCache(const LookupCache &) = delete;
    LookupCache &operator=(const LookupCache &) = delete;

    // The first display field of the row whose key field holds `key`; nothing when there is
    // no such row (or no such table).
    std::optional<QString> find(const LookupDef &lookup, const QString &key);
    // How many reads went to the tables (the rest came from the cache).
    int reads() const { return m_reads; }
    void clear();

private:
    struct Source
    {
        std::shared_ptr<Database> db;
        std::unique_ptr<QSqlQuery> query;
    };
    Source *sourceFor(const LookupDef &lookup);

    QHash<QString, std::shared_ptr<Source>> m_sources;
    QHash<QString, std::optional<QString>> m_texts;
    int m_reads = 0;
};

} // namespace k9
