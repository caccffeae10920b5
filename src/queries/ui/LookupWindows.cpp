#include "queries/ui/LookupWindows.h"

#include "queries/ui/NInfoMainFileForm.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace k9 {

LookupResult WindowBrowserRunner::run(LookupBrowser &browser)
{
    Tk9NInfoMainFileForm form(m_owner, browser);
    form.exec();
    return form.choice();
}

LookupResult BuscarEnLista(QWidget *owner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options)
{
    WindowBrowserRunner runner(owner);
    return BuscarEnLista(runner, table, caption, code, kind, options);
}

LookupResult BuscarItemRMA(QWidget *owner, Table &table, const QString &caption, QString &code, int kind,
                           const LookupOptions &options)
{
    WindowBrowserRunner runner(owner);
    return BuscarItemRMA(runner, table, caption, code, kind, options);
}

QString BuscarCodigo(QLabel *label, QObject *sender, QWidget *window, QString &code, int kind, const QString &caption,
                     const QString &descField, const QString &indexName, Table &table)
{
    WindowBrowserRunner runner(window);
    const auto *field = qobject_cast<const QLineEdit *>(sender);
    const CodeSender from = field ? CodeSender::CodeField : CodeSender::SearchButton;
    QString text = label ? label->text() : QString();
    BuscarCodigo(runner, text, from, field ? field->text() : QString(), code, kind, caption, descField, indexName,
                 table);
    if (label)
        label->setText(text);
    return code;
}

} // namespace k9
