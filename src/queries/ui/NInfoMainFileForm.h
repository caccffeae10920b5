#pragma once

#include "queries/ui/InfoGeneralForm.h"

class QActionGroup;
class QMenu;

namespace k9 {

// The module's browser: the window of a list kind (its caption, its columns, the extra
// values of the chosen row, see LookupBrowser) and, for the RMA documents (kinds 16 and 26),
// the drop-down button "&Estado" ("Estado Transacción") with the status menu
// `TipoOperaciones`: "Pendientes", "Recibidos", "Presupuestados", "En Servicio",
// "Finalizados", "Entregados", "Anulados". Clicking an item toggles it; the list then holds
// the documents in the checked status (all of them when none is checked).
class Tk9NInfoMainFileForm : public Tk9InfoGeneralForm
{
    Q_OBJECT

public:
    Tk9NInfoMainFileForm(QWidget *parent, LookupBrowser &browser);

    QMenu *statusMenu() const { return m_statusMenu; }

protected:
    void setUpToolBar(QToolBar *toolBar) override;

private:
    void syncStatusMenu();

    QMenu *m_statusMenu = nullptr;
};

} // namespace k9
