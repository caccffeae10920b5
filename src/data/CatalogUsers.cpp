// The host suite's users table, with every declared field (the log-in reads only some).

#include "data/CatalogFields.h"

namespace k9::catalog {

// Users by code (1 = administrator); the log-in searches the encoded password on CLAVE.
// FlagTransaccion: per-transaction permissions, 20088 bytes.
TableDef usersTable()
{
    return table(u"Susuarios",
                 {
                     str(u"Nombre", 40, true),
                     autoInc(u"Code"),
                     str(u"Clave", 40, true),
                     smallInt(u"Status"),
                     str(u"Horario", 250),
                     str(u"Jornada", 250),
                     date(u"FechaCreación"),
                     date(u"FechaCaduca"),
                     boolean(u"AccesoAdm"),
                     boolean(u"AccesoVtas"),
                     boolean(u"AccesoCompras"),
                     boolean(u"AccesoBancos"),
                     boolean(u"AccesoProduc"),
                     boolean(u"AccesoTaller"),
                     boolean(u"AccesoUsuario"),
                     boolean(u"ModificaEstadistica"),
                     boolean(u"AllowSystem"),
                     boolean(u"Activar3D"),
                     boolean(u"FlagMonedas"),
                     boolean(u"LoadAllTransaction"),
                     boolean(u"ForcePreview"),
                     boolean(u"HidePrinter"),
                     boolean(u"PrinterSetup"),
                     str(u"BoldEncabezados", 10),
                     str(u"Directorio_Datos", 250),
                     str(u"Directorio_Formatos", 250),
                     str(u"Directorio_Reportes", 250),
                     str(u"Grupo", 50),
                     str(u"DirectorioHtml1", 150),
                     str(u"DirectorioHtml2", 150),
                     blob(u"FlagTransaccion"),
                     // Declared by the host suite, not used by the module.
                     str(u"Descripcion", kDescription),
                     str(u"Ubicacion", kDescription),
                     str(u"Email", kDescription),
                     boolean(u"ActivarSonido"),
                     str(u"NameMenuADM", 50),
                     str(u"NameMenuVenta", 50),
                     str(u"NameMenuCompra", 50),
                     str(u"NameMenuBanco", 50),
                     str(u"NameMenuProdu", 50),
                     str(u"NameMenuTaller", 50),
                     boolean(u"Calendario"),
                     str(u"ArrayPrecios", 50),
                     str(u"Directorio_Historia", 250),
                     str(u"Directorio_Sistema", 250),
                     str(u"Directorio_Formas", 250),
                     str(u"Directorio_Local", 250),
                     str(u"Directorio_Contabilidad", 250),
                     integer(u"Code_Empresa"),
                     boolean(u"Usuario_Princial"),
                     boolean(u"AccesoRestaurant"),
                     str(u"NameMenuRestaurant", 50),
                     str(u"NameMenuRestPOS", 50),
                     smallInt(u"StatusPOS"),
                     blob(u"FlagTranRestaurant"),
                     dateTime(u"LastUpdateFactor"),
                     boolean(u"ActiveMonedas"),
                 },
                 {}, {key(u"CLAVE", {u"Clave"})});
}

} // namespace k9::catalog
