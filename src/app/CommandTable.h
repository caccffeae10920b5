#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace k9 {

// Every command of the main menu, in menu order.
enum class CommandId {
    // "&Mantenimiento"
    InventarioGS,
    Historial,
    Existencia,
    Salir,
    // "&RMA"
    Recepcion,
    Consulta,
    // "&Operaciones"
    Presupuesto,
    Servicio,
    Citas,
    Tareas,
    // "&Informes"
    InformeRmaPagos,
    InformeRmaFechas,
    InformeRmaGeneral,
    InformeGeneralDocumentos,
    InformeTerceros,
    InformeCitasProgramadas,
    InformeCitasProducto,
    InformeHistorial,
    InformeTareasProgramadas,
    InformeExistencia,
    InformeInventarioGeneral,
    // "&Sistema"
    AcercaDe,
    Ayuda,
    TitulosCorrelativos,
    ConfigArchivos,
    ConfigFormas,
};

// What a command does: open a work window (behind a wait window), or one of the main
// window's own actions.
enum class CommandKind { Window, Exit, About, Help };

// The mode a work window is opened in; the window's factory reads it from the table.
enum class CommandMode { Plain, Budget, Service, Appointments, Tasks, Report };

struct CommandDef
{
    CommandId id = CommandId::Salir;
    QStringList menuPath{};      // the menus that hold the item, from the menu bar down
    QString caption{};           // the menu item
    QString waitText{};          // the text of the wait window (work windows only)
    CommandKind kind = CommandKind::Window;
    CommandMode mode = CommandMode::Plain;
    int reportNumber = -1;     // the report kind passed to the report window
    QString windowCaption{};     // given to the work window when not empty
    int helpTopic = 0;         // given to the work window when not 0
    int waitHelpTopic = 0;     // the help topic of the wait window
    bool administratorOnly = false;
    bool needsItemDetail = false;  // the kept item detail window is ensured first
    bool dropsItemDetail = false;  // the kept item detail window is dropped first
    bool separatorBefore = false;
    QString toolText{};          // the tool-bar button running the same command (none when empty)
    int toolGlyph = 0;         // its glyph (ButtonGlyphs.h)
};

// The menu of the main window, in order. Every menu item is here.
const QList<CommandDef> &commandTable();
const CommandDef &commandDef(CommandId id);

// The caption as shown: single "&" dropped, "&&" shown as "&".
QString plainCaption(const QString &caption);

} // namespace k9
