#pragma once

#include "queries/Lookup.h"

class QLabel;
class QObject;
class QWidget;

namespace k9 {

// Shows the browser as the window Tk9NInfoMainFileForm, modal over `owner`.
class WindowBrowserRunner : public BrowserRunner
{
public:
    explicit WindowBrowserRunner(QWidget *owner = nullptr) : m_owner(owner) {}
    LookupResult run(LookupBrowser &browser) override;

private:
    QWidget *m_owner;
};

// The lookup operations with their window (see queries/Lookup.h).
LookupResult BuscarEnLista(QWidget *owner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options = {});
LookupResult BuscarItemRMA(QWidget *owner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options = {});
// `sender` is the search button (any button) or the code field (a line edit, whose text is
// the typed code). `label` shows the description.
QString BuscarCodigo(QLabel *label, QObject *sender, QWidget *window, QString &code, int kind, const QString &caption,
                     const QString &descField, const QString &indexName, Table &table);

} // namespace k9
