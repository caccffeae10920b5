#pragma once

#include "core/Money.h"
#include "queries/BrowserColumns.h"
#include "queries/ListKinds.h"
#include "queries/LookupCache.h"
#include "queries/PageReader.h"
#include "queries/SearchRules.h"

#include <QList>
#include <QString>

#include <memory>

namespace k9 {

// Extra values kept with each row of some kinds and handed back with the chosen one.
struct RowExtras
{
    QString autoInc;     // 16: RMA_AUTOINC as text
    int status = -1;     // 16: RMA_STATUSDOC (-1 when there is none)
    QString rmaCode;     // 17, 25: RMD_CODIGORMA
    QString productCode; // 17, 25: RMD_CODPRODUCTO
    QString serial;      // 17, 25: RMD_SERIAL
    bool fromK9 = false; // 17, 25: RMD_FROMK9
    QString document;    // 22: FRI_DOCUMENTO
    QString documentRma; // 22: FRI_DOCRMA
    Money amountPaid;    // 22: FRI_MONTOPAGADO
};

// A buffered row: its stored values (the paging keys), the code it hands back, the text
// of each column (formatted once, when the row is read) and the kind's extra values.
struct BrowserRow
{
    RawRow raw;
    QString key;
    QStringList cells;
    RowExtras extras;
};

// An entry of the search-column menu: a shown column with an index of its own.
struct SearchEntry
{
    QString caption;
    QString indexName;
    int column = -1;
};

// The RMA status menu of kinds 16 and 26.
struct StatusMenuItem
{
    int status = 0;
    QString caption;
    bool enabled = true;
    bool checked = false;
};

struct StatusMenuSettings
{
    QList<int> enabled; // the statuses whose items are enabled; empty: all of them
    int checked = 0;    // the status checked at the start; 0: none
};

// How a long search tells the user it is running; a key press or a click stops it.
class SearchProgress
{
public:
    virtual ~SearchProgress() = default;
    virtual void begin() {}
    // The rows gone through so far; answers false when the user asked to stop.
    virtual bool step(qint64 count) = 0;
    virtual void end() {}
};

// What the caller hands the browser besides the table.
struct LookupOptions
{
    // The caller's limit on the rows (honoured while browsing; the browser then leaves the
    // filtering to the caller and offers no word filter or query search).
    SqlCondition filter;
    // The index to start with; its search column is selected when it has one.
    QString startIndex;
    StatusMenuSettings statusMenu; // kinds 16 and 26
};

struct LookupResult
{
    bool chosen = false;
    QString code;        // the chosen row's key; empty when nothing was chosen
    RowExtras extras;
    QString description; // the first three non-empty cells, joined by ", "
    QString indexName;   // the table's index when the row was chosen ("" the primary one)
};

// The lookup browser without its window: a list kind over a table, shown a page at a time
// (the visible rows plus five, read by keyset on the current index) or, after a query
// search, as one list of at most 999 rows; its searches; its status menu; the choice.
class LookupBrowser
{
public:
    enum class Mode { Page, List };
    enum class Opened { Ready, Empty, NoColumns, Failed };
    enum class Search { Index, Words, Query, Failed };

    static constexpr int kExtraRows = 5;
    static constexpr int kDefaultPageRows = 18;
    static constexpr int kMaxQueryRows = 999;

    explicit LookupBrowser(int kind);

    int kindNumber() const { return m_kindNumber; }
    const ListKind *kind() const { return m_kind; }
    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

    // Binds the browser to `table` of `db`: checks that it has rows, builds the columns, the
    // search-column menu and the status menu, and selects the starting index. Reads no page.
    Opened open(std::shared_ptr<Database> db, const QString &table, const LookupOptions &options = {});
    const Status &openStatus() const { return m_openStatus; }

    const QList<BrowserColumn> &columns() const { return m_columns; }
    const PageReader &reader() const { return m_reader; }
    // True when the caller left the filtering to the browser.
    bool managesFiltering() const { return m_managesFiltering; }
    QString indexName() const { return m_reader.isBound() ? m_reader.index().name : QString(); }

    const QList<SearchEntry> &searchEntries() const { return m_searchEntries; }
    int currentSearchEntry() const { return m_searchEntry; }
    // The user picks a search column: its index becomes the table's, the number is
    // remembered for the process, and an index search with an empty text runs.
    void chooseSearchEntry(int entry);
    // The search-column number chosen last in this process (-1 before any).
    static int rememberedSearchEntry();
    static void setRememberedSearchEntry(int entry);

    // ---- Rows ----
    Mode mode() const { return m_mode; }
    void setPageRows(int rows);
    int pageRows() const { return m_pageRows; }
    qint64 recordCount() const { return m_count; }
    // Page mode: the first shown record and the last position a page can start at.
    qint64 position() const { return m_position; }
    qint64 lastPosition() const { return qMax<qint64>(0, m_count - m_pageRows); }
    // Page mode: the buffer (the page and up to five more rows) from position(); list mode:
    // every row of the result.
    const QList<BrowserRow> &rows() const { return m_rows; }
    // Counts again and shows the first page.
    void refill();
    void moveTo(qint64 position);
    void firstPage() { moveTo(0); }
    void lastPage() { moveTo(lastPosition()); }
    void pageDown() { moveTo(m_position + m_pageRows); }
    void pageUp() { moveTo(m_position - m_pageRows); }
    void lineDown() { moveTo(m_position + 1); }
    void lineUp() { moveTo(m_position - 1); }
    // How many lookups went to the other tables (the rest came from the cache).
    int lookupReads() const { return m_lookups.reads(); }

    // ---- Searches ----
    void setProgress(SearchProgress *progress) { m_progress = progress; }
    // The search of the search box: the query search or the word filter for a text with "*"
    // (when the browser manages the filtering), else the index range search.
    Search search(const QString &text);
    bool wordFilterActive() const { return m_reader.hasRowSet(); }
    bool hasQueryDefinition() const;

    // ---- RMA status menu ----
    const QList<StatusMenuItem> &statusItems() const { return m_statusItems; }
    int checkedStatus() const;
    // Clicking an item toggles it: the rows are those in that status, or all again.
    void toggleStatus(int status);

    // ---- Choosing ----
    // The result of choosing rows()[row].
    LookupResult choose(int row) const;

private:
    BrowserRow toBrowserRow(RawRow raw);
    QList<BrowserRow> toBrowserRows(QList<RawRow> raws);
    void buildSearchEntries();
    void selectStartIndex(const QString &startIndex);
    void applyStatusFilter();
    bool runWordFilter();
    Search runQuery(const QString &text);
    void selectSearchEntry(int entry);

    int m_kindNumber;
    const ListKind *m_kind;
    QString m_caption;
    PageReader m_reader;
    Status m_openStatus = Status::ok();
    QList<BrowserColumn> m_columns;
    int m_keyField = 0;
    bool m_managesFiltering = true;
    QList<SearchEntry> m_searchEntries;
    int m_searchEntry = -1;
    QList<StatusMenuItem> m_statusItems;
    WordFilter m_words;
    LookupCache m_lookups;
    SearchProgress *m_progress = nullptr;

    Mode m_mode = Mode::Page;
    int m_pageRows = kDefaultPageRows;
    qint64 m_count = 0;
    qint64 m_position = 0;
    QList<BrowserRow> m_rows;
};

} // namespace k9
