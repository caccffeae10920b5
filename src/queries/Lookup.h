#pragma once

#include "data/Table.h"
#include "queries/LookupBrowser.h"

namespace k9 {

// The display part of the lookup operations: shows a prepared browser modally and answers
// the user's choice (LookupBrowser::choose), or a result with chosen == false. The windows
// answer it with Tk9NInfoMainFileForm (queries/ui/LookupWindows.h); tests with a script.
class BrowserRunner
{
public:
    virtual ~BrowserRunner() = default;
    virtual LookupResult run(LookupBrowser &browser) = 0;
};

// The general lookup: opens list kind `kind` over the table (its database, name and the
// caller's filter in `options.filter`) with `caption`. An empty table (as the caller limits
// it) says "Archivo sin información." and chooses nothing; a kind without columns in the
// table says "No existen campos configurados para este usuario.". Afterwards `code` is the
// chosen row's key (empty when nothing was chosen) and the result carries the kind's extra
// values; the table is back on its primary index.
LookupResult BuscarEnLista(BrowserRunner &runner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options = {});

// The received-item lookup (kinds 17 and 25): the same, with one index search on the empty
// text before it shows; `code` is the chosen item's RMD_CODPRODUCTO, and the result also
// carries its RMD_CODIGORMA, RMD_SERIAL and RMD_FROMK9.
LookupResult BuscarItemRMA(BrowserRunner &runner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options = {});

// A code field with a search button.
enum class CodeSender { SearchButton, CodeField };

// From the search button: the browser (with the kind's default caption when `caption` is
// empty); a chosen code becomes `code` and, found by key on `indexName` ("" the primary
// index), puts its `descField` in `label`. From the code field being left: `label` becomes
// "..."; an empty field gives an empty code; else the typed code is looked up by key on
// `indexName`: found, `label` shows `descField`; not found, "Código  [" + code + "] " +
// " no encontrado" and an empty code. Answers the code.
QString BuscarCodigo(BrowserRunner &runner, QString &label, CodeSender sender, const QString &fieldText, QString &code,
                     int kind, const QString &caption, const QString &descField, const QString &indexName,
                     Table &table);

} // namespace k9
