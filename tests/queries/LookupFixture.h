#pragma once

// A small workspace for the lookup browser tests: the host tables in "Data", the module
// tables in "Data/RMA", the workspace paths pointing at them, and a scripted display.

#include "data/Catalog.h"
#include "data/Query.h"
#include "data/Workspace.h"
#include "queries/Lookup.h"
#include "support/TestWorkspace.h"

#include <QtTest>

#include <functional>

namespace k9::test {

class LookupFixture
{
public:
    LookupFixture()
    {
        m_saved = paths();
        data = scratch.database(QStringLiteral("Data"));
        rma = scratch.database(QStringLiteral("Data/RMA"));
        paths().DirDatos = withSlash(scratch.dir(QStringLiteral("Data")));
        paths().DirRMA = withSlash(scratch.dir(QStringLiteral("Data/RMA")));
    }
    ~LookupFixture() { paths() = m_saved; }

    // Creates the catalogue's table `name` in `db`.
    void create(Database &db, const QString &name)
    {
        const TableDef *def = findTableDef(name);
        QVERIFY2(def, qPrintable(name));
        QVERIFY(createTables(db, {*def}));
    }
    void insert(Database &db, const QString &table, const FieldValues &values)
    {
        const Status s = insertRow(db, table, values);
        QVERIFY2(s, qPrintable(s.message()));
    }

    ScratchDir scratch;
    std::shared_ptr<Database> data;
    std::shared_ptr<Database> rma;

private:
    WorkspacePaths m_saved;
};

// The display of the tests: shows nothing, runs a script on the browser and chooses the row
// the script answers (-1: closes without a choice).
class ScriptedRunner : public BrowserRunner
{
public:
    std::function<int(LookupBrowser &)> script;
    int runs = 0;
    int pageRows = 5;

    LookupResult run(LookupBrowser &browser) override
    {
        ++runs;
        browser.setPageRows(pageRows);
        if (browser.mode() == LookupBrowser::Mode::Page)
            browser.refill();
        const int row = script ? script(browser) : -1;
        return row >= 0 ? browser.choose(row) : LookupResult();
    }
};

inline QStringList keysOf(const LookupBrowser &browser, int rows = -1)
{
    QStringList keys;
    for (const BrowserRow &r : browser.rows()) {
        if (rows >= 0 && keys.size() == rows)
            break;
        keys << r.key;
    }
    return keys;
}

inline QStringList columnOf(const LookupBrowser &browser, int column)
{
    QStringList texts;
    for (const BrowserRow &r : browser.rows())
        texts << r.cells.value(column);
    return texts;
}

} // namespace k9::test
