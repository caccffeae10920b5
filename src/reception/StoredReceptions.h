#pragma once

#include "printformats/PrintDocument.h"
#include "reception/ReceptionDocument.h"
#include "reception/ReceptionPrint.h"
#include "reception/UserFields.h"

#include <QDate>
#include <QList>
#include <QVariantList>
#include <optional>

// "Cargar", "Reimpresión" and "Anular RMA" of the reception window without the window: the
// window lets the user choose a document in the document browser (with the filter given
// here) and hands the chosen RMA_AUTOINC (and code) to these commands.
namespace k9 {

// A condition on k9Recepcion for the document browser, values bound in order.
struct ReceptionFilter
{
    QString sql;
    QVariantList values;
};
ReceptionFilter pendingReceptionsFilter();     // Cargar: pending documents
ReceptionFilter reprintableReceptionsFilter(); // Reimpresión: neither pending nor "PENDIENTE"
ReceptionFilter voidableReceptionsFilter();    // Anular RMA: status 1, 2 or 3

// What the window shows of a loaded document besides the document itself.
struct LoadedReception
{
    QString salesmanCode; // RMA_VENDEDOR (empty: the combo is cleared)
    QDate date;           // RMA_FECHA
    int products = 0;     // RMA_NROPRODUCTOS
};

class StoredReceptions
{
public:
    // Empty directories mean the workspace's DirRMA and DirDatos.
    explicit StoredReceptions(const QString &rmaDir = QString(), const QString &dataDir = QString());

    // Cargar: the pending document `key` replaces `document` (which keeps its next number):
    // customer, contact, the items with their keys, components and user-defined values of
    // `fields` placed on the detail page. On an error "Error al cargar documento RMA." and
    // the document is left as it was.
    std::optional<LoadedReception> load(const QString &key, ReceptionDocument &document,
                                        const QList<UserFieldDefinition> &fields);

    // Reimpresión: the stored document `key` as its print formats print it; on an error
    // "Error al obtener datos para la reimpresión.".
    std::optional<PrintDocument> reprintDocument(const QString &key);
    bool reprint(const QString &key, PrintStep &print);

    // Anular RMA: voids document `key` / `code` after the questions, with its budget or
    // service order; every item of the document is marked. Answers whether it was voided.
    bool voidDocument(const QString &key, const QString &code);

private:
    QString m_rmaDir;
    QString m_dataDir;
};

} // namespace k9
