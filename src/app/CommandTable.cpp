#include "app/CommandTable.h"

namespace k9 {

namespace {

QList<CommandDef> buildTable()
{
    const QStringList maintenance{QStringLiteral("&Mantenimiento")};
    const QStringList rma{QStringLiteral("&RMA")};
    const QStringList operations{QStringLiteral("&Operaciones")};
    const QString reports = QStringLiteral("&Informes");
    const QStringList reportsRma{reports, QStringLiteral("&RMA")};
    const QStringList reportsOperations{reports, QStringLiteral("&Operaciones")};
    const QStringList reportsInventory{reports, QStringLiteral("&Inventario G&&S")};
    const QStringList system{QStringLiteral("&Sistema")};
    const QStringList configuration{QStringLiteral("&Sistema"), QStringLiteral("&Configuración")};
    const QString reportWait = QStringLiteral("Espere Ejecutando, Informes...");

    auto report = [&](CommandId id, const QStringList &path, const char16_t *caption, int number,
                      const char16_t *windowCaption, int topic) {
        CommandDef def{.id = id,
                       .menuPath = path,
                       .caption = QString::fromUtf16(caption),
                       .waitText = reportWait,
                       .mode = CommandMode::Report,
                       .reportNumber = number,
                       .windowCaption = QString::fromUtf16(windowCaption),
                       .helpTopic = topic};
        return def;
    };

    return {
        {.id = CommandId::InventarioGS,
         .menuPath = maintenance,
         .caption = QStringLiteral("&Inventario G&&S"),
         .waitText = QStringLiteral("Espere Ejecutando, Inventario G&&S..."),
         .toolText = QStringLiteral("Inventario G&&S"),
         .toolGlyph = 25},
        // Opened in its general mode, not tied to a received item.
        {.id = CommandId::Historial,
         .menuPath = maintenance,
         .caption = QStringLiteral("&Historial"),
         .waitText = QStringLiteral("Espere Ejecutando, Historial G&&S...")},
        {.id = CommandId::Existencia,
         .menuPath = maintenance,
         .caption = QStringLiteral("&Existencia"),
         .waitText = QStringLiteral("Espere Ejecutando, Existencia G&&S...")},
        {.id = CommandId::Salir,
         .menuPath = maintenance,
         .caption = QStringLiteral("&Salir"),
         .kind = CommandKind::Exit,
         .separatorBefore = true,
         .toolText = QStringLiteral("Salir"),
         .toolGlyph = 16},

        {.id = CommandId::Recepcion,
         .menuPath = rma,
         .caption = QStringLiteral("&Recepción"),
         .waitText = QStringLiteral("Espere Ejecutando, Recepción..."),
         .needsItemDetail = true,
         .toolText = QStringLiteral("RMA"),
         .toolGlyph = 3},
        {.id = CommandId::Consulta,
         .menuPath = rma,
         .caption = QStringLiteral("&Consulta"),
         .waitText = QStringLiteral("Espere Ejecutando, Consulta RMA..."),
         .needsItemDetail = true},

        {.id = CommandId::Presupuesto,
         .menuPath = operations,
         .caption = QStringLiteral("&Presupuesto"),
         .waitText = QStringLiteral("Espere Ejecutando, Presupuestos..."),
         .mode = CommandMode::Budget,
         .needsItemDetail = true,
         .toolText = QStringLiteral("Presupuesto"),
         .toolGlyph = 26},
        {.id = CommandId::Servicio,
         .menuPath = operations,
         .caption = QStringLiteral("&Servicio"),
         .waitText = QStringLiteral("Espere Ejecutando, Servicios..."),
         .mode = CommandMode::Service,
         .needsItemDetail = true,
         .toolText = QStringLiteral("Servicio"),
         .toolGlyph = 5},
        {.id = CommandId::Citas,
         .menuPath = operations,
         .caption = QStringLiteral("&Citas"),
         .waitText = QStringLiteral("Espere Ejecutando, Citas..."),
         .mode = CommandMode::Appointments,
         .windowCaption = QStringLiteral("Citas Programadas "),
         .waitHelpTopic = 120,
         .separatorBefore = true,
         .toolText = QStringLiteral("Citas"),
         .toolGlyph = 23},
        {.id = CommandId::Tareas,
         .menuPath = operations,
         .caption = QStringLiteral("&Tareas"),
         .waitText = QStringLiteral("Espere Ejecutando, Tareas Programadas..."),
         .mode = CommandMode::Tasks,
         .windowCaption = QStringLiteral("Tareas Programadas "),
         .waitHelpTopic = 150,
         .toolText = QStringLiteral("Tareas"),
         .toolGlyph = 22},

        report(CommandId::InformeRmaPagos, reportsRma, u"RMA x Pagos", 0, u"RMA x Pagos", 200),
        report(CommandId::InformeRmaFechas, reportsRma, u"RMA x Fechas", 1, u"RMA x Fechas", 205),
        report(CommandId::InformeRmaGeneral, reportsRma, u"Reporte General", 2, u"Reporte General", 190),
        report(CommandId::InformeGeneralDocumentos, reportsOperations, u"&General Documentos", 3, u"General Documentos", 210),
        report(CommandId::InformeTerceros, reportsOperations, u"&Terceros", 4, u"Terceros", 240),
        report(CommandId::InformeCitasProgramadas, reportsOperations, u"&Citas Programadas", 6, u"Citas Programadas", 220),
        report(CommandId::InformeCitasProducto, reportsOperations, u"Citas x &Producto", 7, u"Citas x Productos", 225),
        report(CommandId::InformeHistorial, reportsOperations, u"&Historial", 8, u"Historial RMA", 250),
        report(CommandId::InformeTareasProgramadas, reportsOperations, u"T&areas Programadas", 9, u"Tareas Programadas", 230),
        report(CommandId::InformeExistencia, reportsInventory, u"&Existencia", 5, u"Existencia", 270),
        report(CommandId::InformeInventarioGeneral, reportsInventory, u"&Reporte General", 10, u"Reporte General Inventario", 260),

        {.id = CommandId::AcercaDe, .menuPath = system, .caption = QStringLiteral("A&cerca de ..."), .kind = CommandKind::About},
        {.id = CommandId::Ayuda, .menuPath = system, .caption = QStringLiteral("&Ayuda"), .kind = CommandKind::Help},
        {.id = CommandId::TitulosCorrelativos,
         .menuPath = system,
         .caption = QStringLiteral("&Titulos y Correlativos"),
         .waitText = QStringLiteral("Espere Ejecutando, Titulos y Correlativos..."),
         .administratorOnly = true,
         .separatorBefore = true},
        {.id = CommandId::ConfigArchivos,
         .menuPath = configuration,
         .caption = QStringLiteral("&Archivos"),
         .waitText = QStringLiteral("Espere Ejecutando, Configuración de Archivos..."),
         .administratorOnly = true},
        // The next reception-type command builds the item detail window again, with the
        // layout just edited.
        {.id = CommandId::ConfigFormas,
         .menuPath = configuration,
         .caption = QStringLiteral("&Formas"),
         .waitText = QStringLiteral("Espere Ejecutando, Configuración de Formas..."),
         .administratorOnly = true,
         .dropsItemDetail = true},
    };
}

} // namespace

const QList<CommandDef> &commandTable()
{
    static const QList<CommandDef> table = buildTable();
    return table;
}

const CommandDef &commandDef(CommandId id)
{
    const QList<CommandDef> &table = commandTable();
    // The table follows the order of the enumeration.
    return table[static_cast<int>(id)];
}

QString plainCaption(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace k9
