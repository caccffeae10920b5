#pragma once

#include "controls/EForm.h"
#include "core/Records.h"
#include "data/Table.h"
#include "reception/ItemComponents.h"
#include "reception/ItemDetailChecks.h"
#include "reception/UserFields.h"
#include "reception/ui/UserFieldControls.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace k9 {

class LookupCombo;
class TMemoVorel;
class TVorelDateEdit;
class TVorelEdit;
class TVorelList;
class TVorelNumberEdit;

// "Detalle de Recepción": the values of one received item. The program creates it once
// and keeps it; the reception window hands it an item, shows it modally and takes the item
// back when it was accepted:
//
//     if (detail->run(item, Tk9DetalleRecepcionForm::ItemMode::Insertion, true,
//                     QStringLiteral("Modo Inserción")))
//         use(detail->item());
//
// The item (TRMAReg) carries every value exchanged: receiving employee, reception date,
// advance, revision amount, category description, subcategory, description, brand,
// reason, priority, mode, warranty expiry, serial, quantity, physical condition, faults,
// invoice, outside-party flag, components and the user-defined field values. Its other
// fields (product code, inventory, keys) pass through unchanged.
class Tk9DetalleRecepcionForm : public TEForm
{
    Q_OBJECT

public:
    enum class ItemMode { Insertion = 1, Existing = 2 };

    // The employees are read from `dataDir` and the user-defined field definitions from
    // `rmaDir` (the workspace's DirDatos and DirRMA when empty).
    explicit Tk9DetalleRecepcionForm(QWidget *parent = nullptr, const QString &dataDir = QString(),
                                     const QString &rmaDir = QString());
    ~Tk9DetalleRecepcionForm() override;

    // Fills the window from `item` for a use in `mode` ("Modo Inserción", "Modo Edición" or
    // "Modo Lectura" as `statusText`). Read-only unless `editable`.
    void prepare(const TRMAReg &item, ItemMode mode, bool editable, const QString &statusText);
    // prepare(), then shows the window modally. Answers accepted().
    bool run(const TRMAReg &item, ItemMode mode, bool editable, const QString &statusText);

    // True when the window was closed through "&Aceptar" and its checks passed.
    bool accepted() const { return m_accepted; }
    // The item with the values read back from the window (after an accepted run).
    const TRMAReg &item() const { return m_item; }
    // The warranty days left shown (read back with the item; not stored).
    int daysLeft() const;
    ItemMode itemMode() const { return m_mode; }
    bool isEditable() const { return m_editable; }

    // The user-defined fields: their definitions and the controls that show them.
    const QList<UserFieldDefinition> &definitions() const { return m_definitions; }
    QList<TRegistro> registros() const;
    const UserFieldControls &userControls() const { return m_userControls; }
    // The value templates of the "Detalle" page's user-defined controls.
    QList<TNewCampos> detailControls() const { return m_userControls.templates(UserFieldControls::Page::Detalle); }

    const ComponentEditor &componentEditor() const { return m_components; }
    TVorelList *componentList() const { return m_componentList; }
    QTabWidget *pages() const { return m_pages; }

public slots:
    void aceptar();
    void cancelar();
    void insertarComponente();
    void modificarComponente();
    void guardarComponente();
    void borrarComponente();
    void cancelarComponente();

protected:
    void done(int result) override;

private:
    void buildWindow();
    QWidget *buildDetailPage();
    QWidget *buildComponentsPage();
    void buildUserControls(QWidget *detailBox);
    void loadEmployees();
    void selectEmployee(const QString &code);
    void applyEditable();
    void updateDaysLeft();
    void onModeClicked(int mode);
    void onHourLeft();

    // Components page
    void refreshComponentList(int select = -1);
    void showComponent(int row);
    void setComponentEditing(bool editing);
    void clearComponentFields();
    TCompReg componentFromFields() const;
    void finishComponentEdit();
    int selectedComponent() const;
    void focusField(ItemDetailField field);

    Table m_employeeTable;
    QList<UserFieldDefinition> m_definitions;
    UserFieldControls m_userControls;
    ComponentEditor m_components;
    TRMAReg m_item;
    ItemMode m_mode = ItemMode::Insertion;
    bool m_editable = true;
    bool m_accepted = false;

    QLabel *m_status = nullptr;
    QLabel *m_message = nullptr;
    QTabWidget *m_pages = nullptr;
    LookupCombo *m_employee = nullptr;
    TVorelDateEdit *m_receptionDate = nullptr;
    TVorelNumberEdit *m_advance = nullptr;
    TVorelNumberEdit *m_revision = nullptr;
    TVorelEdit *m_department = nullptr;
    TVorelEdit *m_subcategory = nullptr;
    TVorelEdit *m_description = nullptr;
    TVorelEdit *m_brand = nullptr;
    QComboBox *m_reason = nullptr;
    QComboBox *m_priority = nullptr;
    QGroupBox *m_modeBox = nullptr;
    QButtonGroup *m_modeButtons = nullptr;
    TVorelNumberEdit *m_daysLeft = nullptr;
    TVorelDateEdit *m_expiry = nullptr;
    TVorelEdit *m_serial = nullptr;
    TVorelNumberEdit *m_quantity = nullptr;
    TMemoVorel *m_condition = nullptr;
    TMemoVorel *m_faults = nullptr;
    TVorelEdit *m_invoice = nullptr;
    QCheckBox *m_outsideParty = nullptr;
    QLineEdit *m_hour = nullptr;
    QComboBox *m_ampm = nullptr;
    QWidget *m_userBox = nullptr;

    QHeaderView *m_componentHeader = nullptr;
    TVorelList *m_componentList = nullptr;
    TVorelEdit *m_componentCode = nullptr;
    TVorelNumberEdit *m_componentQuantity = nullptr;
    TVorelEdit *m_componentDescription = nullptr;
    TVorelEdit *m_componentDetail = nullptr;
    QWidget *m_componentButtons = nullptr;
    QPushButton *m_insertComponent = nullptr;
    QPushButton *m_modifyComponent = nullptr;
    QPushButton *m_deleteComponent = nullptr;
    QPushButton *m_saveComponent = nullptr;
    QPushButton *m_cancelComponent = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace k9
