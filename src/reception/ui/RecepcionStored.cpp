// Guardar, Procesar, Cargar, Reimpresión and Anular RMA of the reception window: the rules
// live in ReceptionSave and StoredReceptions; the window chooses, shows and resets.
#include "reception/ui/Tk9RecepcionForm.h"

#include "controls/LookupCombo.h"
#include "controls/VorelEdit.h"
#include "controls/VorelList.h"
#include "core/Regional.h"
#include "data/TableHelpers.h"
#include "queries/ListKinds.h"
#include "queries/Lookup.h"
#include "reception/ReceptionSave.h"
#include "reception/StoredReceptions.h"
#include "reception/UserFields.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace k9 {

void Tk9RecepcionForm::guardar()
{
    save(false);
}

void Tk9RecepcionForm::procesar()
{
    save(true);
}

void Tk9RecepcionForm::save(bool process)
{
    const Salesman salesman{m_salesman->value().toString(),
                            m_salesman->currentIndex() >= 0 ? m_salesman->currentText() : QString()};
    ReceptionSave saver(*m_paymentStep, *m_printStep, m_tables.rmaDir(), m_tables.dataDir());
    const SaveOutcome outcome = saver.run(process ? SaveCommand::Procesar : SaveCommand::Guardar, m_doc, salesman);
    switch (outcome.result) {
    case SaveOutcome::Result::NeedsContact:
        contacto();
        return;
    case SaveOutcome::Result::Saved:
        // The document is stored: the window starts the next one.
        newDocument();
        if (outcome.changeDue())
            showChangePanel(outcome.operationTotal, outcome.payment.paid, outcome.payment.change);
        m_client->setFocus();
        return;
    default:
        // Stopped, cancelled or rolled back: the document stays as typed, to try again.
        updateCommands();
        return;
    }
}

std::pair<QString, QString> Tk9RecepcionForm::chooseStoredDocument(const QString &filterSql, const QVariantList &values)
{
    Table receptions;
    if (!AbrirTabla(receptions, QStringLiteral("k9Recepcion"), m_tables.rmaDir()) || !receptions.isActive())
        return {};
    QString code;
    LookupOptions options;
    options.filter.sql = filterSql;
    options.filter.values = values;
    // The browser hands back the document number; its RMA_AUTOINC comes with the extras.
    const LookupResult result
        = BuscarEnLista(*m_runner, receptions, QStringLiteral("Documentos RMA"), code, listkind::DocumentosRMA, options);
    if (!result.chosen || result.extras.autoInc.isEmpty())
        return {};
    return {result.extras.autoInc, code};
}

void Tk9RecepcionForm::cargar()
{
    if (m_doc.hasCustomer())
        return;
    newDocument();
    const ReceptionFilter filter = pendingReceptionsFilter();
    const auto [key, code] = chooseStoredDocument(filter.sql, filter.values);
    if (key.isEmpty())
        return;
    StoredReceptions stored(m_tables.rmaDir(), m_tables.dataDir());
    const auto loaded = stored.load(key, m_doc, loadUserFieldDefinitions(m_tables.rmaDir()));
    if (!loaded)
        return;
    if (loaded->salesmanCode.isEmpty()) {
        m_salesman->clearValue();
    } else {
        m_salesman->setValue(loaded->salesmanCode);
        if (m_salesman->currentIndex() < 0 && m_salesman->count() > 0)
            m_salesman->setCurrentIndex(0);
    }
    m_date->setText(formatDate(loaded->date));
    // The customer as if typed and left (purchases list included); the loaded contact stays.
    takeClient(m_doc.customer().code, false);
    refreshItems(0);
    if (m_doc.hasItems()) {
        m_itemsList->setEnabled(true);
        setItemCounter();
    } else {
        m_itemsCounter->setText(QStringLiteral("Registros : 0"));
    }
    updateCommands();
    m_bDetalle->setEnabled(m_doc.hasItems());
    m_bInsertar->setEnabled(false);
}

void Tk9RecepcionForm::reimpresion()
{
    const ReceptionFilter filter = reprintableReceptionsFilter();
    const auto [key, code] = chooseStoredDocument(filter.sql, filter.values);
    if (key.isEmpty())
        return;
    StoredReceptions(m_tables.rmaDir(), m_tables.dataDir()).reprint(key, *m_printStep);
}

void Tk9RecepcionForm::anularRma()
{
    const ReceptionFilter filter = voidableReceptionsFilter();
    const auto [key, code] = chooseStoredDocument(filter.sql, filter.values);
    if (key.isEmpty())
        return;
    StoredReceptions(m_tables.rmaDir(), m_tables.dataDir()).voidDocument(key, code);
}

} // namespace k9
