#include "queries/LookupBrowser.h"

#include "core/Messages.h"
#include "data/Storage.h"

namespace k9 {

namespace {

int g_rememberedSearchEntry = -1;

const QList<StatusMenuItem> &statusMenuTemplate()
{
    static const QList<StatusMenuItem> items{
        {1, QStringLiteral("Pendientes")},    {2, QStringLiteral("Recibidos")},  {3, QStringLiteral("Presupuestados")},
        {4, QStringLiteral("En Servicio")},   {7, QStringLiteral("Finalizados")}, {8, QStringLiteral("Entregados")},
        {10, QStringLiteral("Anulados")},
    };
    return items;
}

} // namespace

LookupBrowser::LookupBrowser(int kind) : m_kindNumber(kind), m_kind(listKind(kind))
{
    if (m_kind)
        m_caption = m_kind->defaultCaption;
}

int LookupBrowser::rememberedSearchEntry()
{
    return g_rememberedSearchEntry;
}

void LookupBrowser::setRememberedSearchEntry(int entry)
{
    g_rememberedSearchEntry = entry;
}

LookupBrowser::Opened LookupBrowser::open(std::shared_ptr<Database> db, const QString &table,
                                          const LookupOptions &options)
{
    m_openStatus = m_reader.bind(std::move(db), table);
    if (!m_openStatus)
        return Opened::Failed;
    m_reader.setCallerFilter(options.filter);
    m_managesFiltering = options.filter.isEmpty();
    // Whether there is a row at all (counting waits for the first page).
    const bool empty = m_reader.first(1).isEmpty();
    if (!m_reader.lastStatus()) {
        m_openStatus = m_reader.lastStatus();
        return Opened::Failed;
    }
    if (empty)
        return Opened::Empty;
    if (m_kind)
        m_columns = buildColumns(m_reader.fields(), m_kind->columns);
    if (m_columns.isEmpty())
        return Opened::NoColumns;

    m_keyField = 0;
    if (m_kind && !m_kind->keyField.isEmpty())
        m_keyField = qMax(0, m_reader.fieldIndex(m_kind->keyField));

    if (m_kind && m_kind->statusMenu && m_reader.fieldIndex(QStringLiteral("RMA_STATUSDOC")) >= 0) {
        m_statusItems = statusMenuTemplate();
        for (StatusMenuItem &item : m_statusItems) {
            item.enabled = options.statusMenu.enabled.isEmpty() || options.statusMenu.enabled.contains(item.status);
            item.checked = item.enabled && item.status == options.statusMenu.checked;
        }
        applyStatusFilter();
    }

    buildSearchEntries();
    selectStartIndex(options.startIndex);
    m_mode = Mode::Page;
    m_count = 0;
    m_position = 0;
    m_rows.clear();
    return Opened::Ready;
}

void LookupBrowser::buildSearchEntries()
{
    m_searchEntries.clear();
    for (const IndexInfo &index : m_reader.indexes()) {
        if (index.fields.size() != 1)
            continue;
        for (qsizetype c = 0; c < m_columns.size(); ++c) {
            const BrowserColumn &column = m_columns[c];
            if (m_reader.fields()[column.fieldIndex].name.compare(index.fields[0], Qt::CaseInsensitive) != 0)
                continue;
            bool taken = false;
            for (const SearchEntry &e : m_searchEntries)
                taken = taken || e.caption == column.caption();
            if (!taken)
                m_searchEntries.append({column.caption(), index.name, static_cast<int>(c)});
            break;
        }
    }
}

void LookupBrowser::selectSearchEntry(int entry)
{
    if (entry < 0 || entry >= m_searchEntries.size())
        return;
    if (m_reader.setIndex(m_searchEntries[entry].indexName))
        m_searchEntry = entry;
}

void LookupBrowser::selectStartIndex(const QString &startIndex)
{
    m_searchEntry = -1;
    selectSearchEntry(0);
    if (g_rememberedSearchEntry >= 0 && g_rememberedSearchEntry < m_searchEntries.size())
        selectSearchEntry(g_rememberedSearchEntry);
    if (startIndex.isEmpty())
        return;
    for (qsizetype e = 0; e < m_searchEntries.size(); ++e) {
        if (m_searchEntries[e].indexName.compare(startIndex, Qt::CaseInsensitive) == 0) {
            selectSearchEntry(static_cast<int>(e));
            return;
        }
    }
    // An index without a search column of its own still gives the order and the search.
    if (m_reader.setIndex(startIndex))
        m_searchEntry = -1;
}

void LookupBrowser::chooseSearchEntry(int entry)
{
    if (entry < 0 || entry >= m_searchEntries.size())
        return;
    selectSearchEntry(entry);
    g_rememberedSearchEntry = entry;
    search(QString());
}

void LookupBrowser::setPageRows(int rows)
{
    m_pageRows = qMax(1, rows);
}

BrowserRow LookupBrowser::toBrowserRow(RawRow raw)
{
    BrowserRow row;
    const QList<FieldInfo> &fields = m_reader.fields();
    row.cells.reserve(m_columns.size());
    for (const BrowserColumn &c : m_columns) {
        QString text = cellText(c, raw.values.value(c.fieldIndex), &m_lookups);
        text.replace(u'\t', u' ');
        row.cells << text;
    }
    row.key = keyText(fields.value(m_keyField).type, raw.values.value(m_keyField));

    auto value = [&](const char16_t *name) -> std::pair<FieldType, QVariant> {
        const int f = m_reader.fieldIndex(QString::fromUtf16(name));
        if (f < 0)
            return {FieldType::String, QVariant()};
        return {fields[f].type, raw.values.value(f)};
    };
    auto text = [&](const char16_t *name) {
        const auto [type, v] = value(name);
        return keyText(type, v);
    };
    switch (m_kind ? m_kind->extras : RowExtrasKind::None) {
    case RowExtrasKind::Reception: {
        row.extras.autoInc = text(u"RMA_AUTOINC");
        const auto [type, v] = value(u"RMA_STATUSDOC");
        row.extras.status = v.isNull() ? -1 : static_cast<int>(storedInteger(type, v));
        break;
    }
    case RowExtrasKind::ReceivedItem: {
        row.extras.rmaCode = text(u"RMD_CODIGORMA");
        row.extras.productCode = text(u"RMD_CODPRODUCTO");
        row.extras.serial = text(u"RMD_SERIAL");
        row.extras.fromK9 = storedBoolean(value(u"RMD_FROMK9").second);
        break;
    }
    case RowExtrasKind::Operation: {
        row.extras.document = text(u"FRI_DOCUMENTO");
        row.extras.documentRma = text(u"FRI_DOCRMA");
        const auto [type, v] = value(u"FRI_MONTOPAGADO");
        row.extras.amountPaid = storedMoney(type, v);
        break;
    }
    case RowExtrasKind::None: break;
    }
    row.raw = std::move(raw);
    return row;
}

QList<BrowserRow> LookupBrowser::toBrowserRows(QList<RawRow> raws)
{
    QList<BrowserRow> rows;
    rows.reserve(raws.size());
    for (RawRow &raw : raws)
        rows << toBrowserRow(std::move(raw));
    return rows;
}

void LookupBrowser::refill()
{
    m_mode = Mode::Page;
    m_count = m_reader.count();
    m_position = 0;
    m_rows = toBrowserRows(m_reader.first(m_pageRows + kExtraRows));
}

void LookupBrowser::moveTo(qint64 position)
{
    if (m_mode != Mode::Page)
        return;
    const int n = m_pageRows + kExtraRows;
    position = qBound<qint64>(0, position, lastPosition());
    const qint64 delta = position - m_position;
    if (delta == 0 && !m_rows.isEmpty())
        return;
    if (m_rows.isEmpty() || position == 0) {
        m_rows = toBrowserRows(m_reader.first(n));
        m_position = 0;
        return;
    }
    if (delta > 0 && delta < m_rows.size()) {
        // Forward within the buffer: keep what is already read, read the rest after it.
        m_rows.remove(0, delta);
        const RawRow tail = m_rows.last().raw;
        m_rows += toBrowserRows(m_reader.after(tail, n - static_cast<int>(m_rows.size())));
        m_position = position;
        return;
    }
    if (delta < 0 && -delta <= n) {
        const QList<BrowserRow> before = toBrowserRows(m_reader.before(m_rows.first().raw, static_cast<int>(-delta)));
        m_rows = before + m_rows;
        if (m_rows.size() > n)
            m_rows.resize(n);
        m_position = qMax<qint64>(0, m_position - before.size());
        return;
    }
    if (position >= lastPosition()) {
        m_rows = toBrowserRows(m_reader.last(m_pageRows));
        m_position = qMax<qint64>(0, m_count - m_rows.size());
        return;
    }
    m_rows = toBrowserRows(m_reader.at(position, n));
    m_position = position;
}

bool LookupBrowser::hasQueryDefinition() const
{
    if (!m_reader.isBound())
        return false;
    return !queryDefinitionFile(m_reader.database()->directory(), m_reader.tableName()).isEmpty();
}

LookupBrowser::Search LookupBrowser::search(const QString &text)
{
    if (!m_reader.isBound())
        return Search::Failed;
    if (m_managesFiltering && text.contains(u'*')) {
        if (hasQueryDefinition())
            return runQuery(text);
        m_words = WordFilter::parse(text);
        runWordFilter();
        refill();
        return Search::Words;
    }
    if (m_managesFiltering) {
        m_words = WordFilter();
        m_reader.clearRowSet();
    }
    if (text.isEmpty() || m_reader.index().fields.isEmpty()) {
        m_reader.cancelRange();
    } else {
        const int f = m_reader.fieldIndex(m_reader.index().fields[0]);
        const std::optional<IndexRange> range =
            f < 0 ? std::nullopt : indexRangeFor(m_reader.fields()[f].type, text);
        if (range)
            m_reader.setRange(range->from, range->to);
        else
            m_reader.cancelRange();
    }
    refill();
    return Search::Index;
}

bool LookupBrowser::runWordFilter()
{
    m_reader.clearRowSet();
    if (m_words.isEmpty())
        return true;
    constexpr qint64 kQuietRows = 50;
    QList<qint64> ids;
    qint64 visited = 0;
    bool started = false;
    bool stopped = false;
    const QList<FieldInfo> &fields = m_reader.fields();
    QStringList texts;
    const Status scanned = m_reader.scan([&](const RawRow &row) {
        ++visited;
        texts.resize(0);
        for (qsizetype i = 0; i < fields.size(); ++i)
            texts << searchText(fields[i].type, row.values.value(i));
        if (m_words.matches(texts))
            ids << row.rowid;
        if (m_progress && visited > kQuietRows) {
            if (!started) {
                m_progress->begin();
                started = true;
            }
            if (!m_progress->step(visited)) {
                stopped = true;
                return false;
            }
        }
        return true;
    });
    if (started)
        m_progress->end();
    if (!scanned)
        messages().error(scanned.message());
    // A stopped filter keeps the rows it found so far.
    m_reader.setRowSet(std::move(ids));
    return !stopped;
}

int LookupBrowser::checkedStatus() const
{
    for (const StatusMenuItem &item : m_statusItems)
        if (item.checked)
            return item.status;
    return 0;
}

void LookupBrowser::applyStatusFilter()
{
    const int status = checkedStatus();
    if (status == 0)
        m_reader.setWindowFilter({});
    else
        m_reader.setWindowFilter({u' ' + quoteIdentifier(u"RMA_STATUSDOC") + QStringLiteral(" = ? "), {status}});
}

void LookupBrowser::toggleStatus(int status)
{
    for (StatusMenuItem &item : m_statusItems) {
        if (item.status == status) {
            if (!item.enabled)
                return;
            item.checked = !item.checked;
        } else {
            item.checked = false;
        }
    }
    applyStatusFilter();
    if (wordFilterActive())
        runWordFilter();
    refill();
}

LookupResult LookupBrowser::choose(int row) const
{
    LookupResult result;
    if (row < 0 || row >= m_rows.size())
        return result;
    const BrowserRow &r = m_rows[row];
    result.chosen = true;
    result.code = r.key;
    result.extras = r.extras;
    result.indexName = indexName();
    QStringList parts;
    for (const QString &cell : r.cells) {
        if (cell.trimmed().isEmpty())
            continue;
        parts << cell.trimmed();
        if (parts.size() == 3)
            break;
    }
    result.description = parts.join(QStringLiteral(", "));
    return result;
}

} // namespace k9
