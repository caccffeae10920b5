#include "queries/LookupCache.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "data/Workspace.h"

namespace k9 {

namespace {

QString sourceKey(const LookupDef &lookup)
{
    return lookup.table.toUpper() + u'\x1f' + lookup.keyField.toUpper() + u'\x1f'
           + lookup.displayFields.value(0).toUpper() + u'\x1f'
           + QString::number(static_cast<int>(lookup.directory));
}

} // namespace

LookupCache::~LookupCache()
{
    clear();
}

void LookupCache::clear()
{
    // Queries go before their connections.
    for (auto &source : m_sources)
        source->query.reset();
    m_sources.clear();
    m_texts.clear();
}

LookupCache::Source *LookupCache::sourceFor(const LookupDef &lookup)
{
    const QString key = sourceKey(lookup);
    if (auto it = m_sources.find(key); it != m_sources.end())
        return it->get();
    auto source = std::make_shared<Source>();
    m_sources.insert(key, source);
    const QString display = lookup.displayFields.value(0);
    if (!isIdentifier(lookup.table) || !isIdentifier(lookup.keyField) || !isIdentifier(display))
        return source.get();
    const QString dir = lookup.directory == LookupDirectory::Module ? paths().DirRMA : paths().DirDatos;
    source->db = Database::shared(dir);
    if (!source->db)
        return source.get();
    const QString schema = source->db->schemaOf(lookup.table);
    if (schema.isEmpty() || !isIdentifier(schema))
        return source.get();
    auto query = std::make_unique<QSqlQuery>(source->db->handle());
    query->setForwardOnly(true);
    if (query->prepare(QStringLiteral("SELECT ") + quoteIdentifier(display) + QStringLiteral(" FROM ")
                       + quoteIdentifier(schema) + u'.' + quoteIdentifier(lookup.table) + QStringLiteral(" WHERE ")
                       + quoteIdentifier(lookup.keyField) + QStringLiteral(" = ? LIMIT 1")))
        source->query = std::move(query);
    return source.get();
}

std::optional<QString> LookupCache::find(const LookupDef &lookup, const QString &key)
{
    const QString cacheKey = sourceKey(lookup) + u'\x1e' + key;
    if (auto it = m_texts.constFind(cacheKey); it != m_texts.constEnd())
        return *it;
    std::optional<QString> text;
    Source *source = sourceFor(lookup);
    if (source->query) {
        ++m_reads;
        source->query->bindValue(0, key);
        if (source->query->exec() && source->query->next())
            text = source->query->value(0).toString();
        source->query->finish();
    }
    m_texts.insert(cacheKey, text);
    return text;
}

} // namespace k9
