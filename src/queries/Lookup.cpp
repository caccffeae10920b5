#include "queries/Lookup.h"

#include "core/Messages.h"

namespace k9 {

namespace {

const QString kEmptyTable = QStringLiteral("Archivo sin información.");
const QString kNoColumns = QStringLiteral("No existen campos configurados para este usuario.");

QString notFound(const QString &code)
{
    return QStringLiteral("Código  [") + code + QStringLiteral("] ") + QStringLiteral(" no encontrado");
}

LookupResult browse(BrowserRunner &runner, Table &table, const QString &caption, QString &code, int kind,
                    const LookupOptions &options, bool itemSearch)
{
    code.clear();
    LookupResult result;
    // The browser reads through the caller's own connection (its attached directories and
    // its transaction included); it does not own it.
    std::shared_ptr<Database> db(std::shared_ptr<Database>(), table.database());
    if (!db || !table.exists()) {
        messages().warn(kEmptyTable);
        return result;
    }
    LookupBrowser browser(kind);
    browser.setCaption(caption);
    switch (browser.open(db, table.tableName(), options)) {
    case LookupBrowser::Opened::Ready: break;
    case LookupBrowser::Opened::Empty: messages().warn(kEmptyTable); return result;
    case LookupBrowser::Opened::NoColumns: messages().warn(kNoColumns); return result;
    case LookupBrowser::Opened::Failed: messages().error(browser.openStatus().message()); return result;
    }
    if (itemSearch)
        browser.search(QString());
    result = runner.run(browser);

    // The table goes back to its primary index, refreshed.
    if (table.isActive()) {
        table.setIndex(QString());
        table.refresh();
    }
    if (result.chosen)
        code = itemSearch ? result.extras.productCode : result.code;
    return result;
}

} // namespace

LookupResult BuscarEnLista(BrowserRunner &runner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options)
{
    return browse(runner, table, caption, code, kind, options, false);
}

LookupResult BuscarItemRMA(BrowserRunner &runner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options)
{
    return browse(runner, table, caption, code, kind, options, true);
}

QString BuscarCodigo(BrowserRunner &runner, QString &label, CodeSender sender, const QString &fieldText, QString &code,
                     int kind, const QString &caption, const QString &descField, const QString &indexName,
                     Table &table)
{
    auto findCode = [&](const QString &value) {
        if (!table.isActive() || !table.setIndex(indexName))
            return false;
        return table.findKey({value});
    };
    if (sender == CodeSender::SearchButton) {
        const ListKind *k = listKind(kind);
        const QString title = caption.isEmpty() && k ? k->defaultCaption : caption;
        QString chosen;
        BuscarEnLista(runner, table, title, chosen, kind);
        code = chosen;
        if (!code.isEmpty() && findCode(code))
            label = table.text(descField);
        return code;
    }
    label = QStringLiteral("...");
    const QString typed = fieldText.trimmed();
    if (typed.isEmpty()) {
        code.clear();
        return code;
    }
    code = typed;
    if (findCode(code)) {
        label = table.text(descField);
        return code;
    }
    messages().warn(notFound(code));
    code.clear();
    return code;
}

} // namespace k9
