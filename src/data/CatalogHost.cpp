// Host-suite tables: the fields the module reads or writes, with the keys it searches by.
// The host suite owns these tables; a workspace made without it gets these layouts.

#include "data/Catalog.h"
#include "data/CatalogFields.h"

namespace k9 {

using namespace catalog;

namespace {

// System settings, first record: tax rate and name, default currency, price level names.
TableDef systemSettings()
{
    return table(u"SSistema", {
                                  money(u"MTO_IMPUESTO1"),
                                  str(u"IMPUESTO1", kCode),
                                  str(u"MONEDA_DEFECTO", kCurrencyCode),
                                  str(u"NOMBRE_PRECIO1", kName),
                                  str(u"NOMBRE_PRECIO2", kName),
                                  str(u"NOMBRE_PRECIO3", kName),
                                  str(u"NOMBRE_PRECIO4", kName),
                                  str(u"NOMBRE_PRECIO5", kName),
                                  str(u"NOMBRE_PRECIO6", kName),
                              });
}

// Currencies by code (opened as "Smoneda"; table names are case-insensitive).
TableDef currencies()
{
    return table(u"SMoneda",
                 {
                     str(u"FM_CODE", kCurrencyCode),
                     str(u"FM_DESCRIPCION", kDescription),
                     str(u"FM_SIMBOLO", kCurrencyCode),
                     money(u"FM_FACTOR"),
                 },
                 names({u"FM_CODE"}));
}

// Customers by code; the module writes FC_TELEFONO only.
TableDef customers()
{
    return table(u"SClientes",
                 {
                     str(u"FC_CODIGO", kCode),
                     str(u"FC_DESCRIPCION", kDescription),
                     str(u"FC_DESCRIPCIONDETALLADA", kLongText),
                     str(u"FC_DIRECCION1", kAddress),
                     str(u"FC_TELEFONO", kPhone),
                     str(u"FC_RIF", kTaxId),
                     str(u"FC_NIT", kTaxId),
                     integer(u"FC_STATUS"),
                 },
                 names({u"FC_CODIGO"}));
}

// Host products by code.
TableDef products()
{
    return table(u"SInventario",
                 {
                     str(u"FI_CODIGO", kProductCode),
                     str(u"FI_DESCRIPCION", kDescription),
                     str(u"FI_DESCRIPCIONDETALLADA", kLongText),
                     str(u"FI_MARCA", kName),
                     str(u"FI_MODELO", kName),
                     str(u"FI_CATEGORIA", kCode),
                     str(u"FI_SUBCATEGORIA", kName),
                     integer(u"FI_CLASIFICACION"),
                     boolean(u"FI_EXISTDECIMAL"),
                 },
                 names({u"FI_CODIGO"}));
}

// Categories (departments) by code, with their stock handling mode.
TableDef categories()
{
    return table(u"SCategoria",
                 {
                     str(u"FD_CODIGO", kCode),
                     str(u"FD_DESCRIPCION", kDescription),
                     str(u"FD_DESCRIPCIONDETALLADA", kLongText),
                     integer(u"FD_STATUS"),
                     integer(u"FD_CLASIFICACION"),
                     integer(u"FD_MANEJOINVENTARIO"),
                 },
                 names({u"FD_CODIGO"}));
}

// Employees (salespersons, technicians) by code.
TableDef employees()
{
    return table(u"SVendedores",
                 {
                     str(u"FV_CODIGO", kCode),
                     str(u"FV_DESCRIPCION", kDescription),
                     str(u"FV_DESCRIPCIONDETALLADA", kLongText),
                     integer(u"FV_CLASIFICACION"),
                     integer(u"FV_STATUS"),
                 },
                 names({u"FV_CODIGO"}));
}

// Suppliers (outside parties) by code.
TableDef suppliers()
{
    return table(u"SProveedor",
                 {
                     str(u"FP_CODIGO", kCode),
                     str(u"FP_DESCRIPCION", kDescription),
                     str(u"FP_DESCRIPCIONDETALLADA", kLongText),
                     str(u"FP_DIRECCION1", kAddress),
                     str(u"FP_TELEFONO", kPhone),
                     integer(u"FP_STATUS"),
                 },
                 names({u"FP_CODIGO"}));
}

// Warehouses by number.
TableDef warehouses()
{
    return table(u"SDepositos",
                 {
                     integer(u"FDP_CODIGO"),
                     str(u"FDP_DESCRIPCION", kDescription),
                 },
                 names({u"FDP_CODIGO"}));
}

// Stock per kind, product, warehouse and lot. FT_TIPO is the kind of stock row that leads
// every key of the host suite (the module always searches kind 4). The primary key is
// (kind, product, warehouse, ...); FT_KEYDEPOSITOPRD is (kind, warehouse, product, lot).
TableDef warehouseStock()
{
    return table(u"SInvDep",
                 {
                     integer(u"FT_TIPO"),
                     integer(u"FT_CODIGODEPOSITO"),
                     str(u"FT_CODIGOPRODUCTO", kProductCode),
                     str(u"FT_LOTE", kLot),
                     integer(u"FT_LOTEAUTOINCREMENT"),
                     money(u"FT_EXISTENCIA"),
                     money(u"FT_EXISTENCIADETALLADA"),
                 },
                 names({u"FT_TIPO", u"FT_CODIGOPRODUCTO", u"FT_CODIGODEPOSITO", u"FT_LOTE",
                        u"FT_LOTEAUTOINCREMENT"}),
                 {key(u"FT_KEYDEPOSITOPRD",
                      {u"FT_TIPO", u"FT_CODIGODEPOSITO", u"FT_CODIGOPRODUCTO", u"FT_LOTE"})});
}

// Lots; a lot's price is found by (product, lot, lot key) on FL_KEYPRODUCTOLOTE.
TableDef lots()
{
    return table(u"Sinvlote",
                 {
                     autoInc(u"FL_AUTOINCREMENT"),
                     str(u"FL_CODIGOPRODUCTO", kProductCode),
                     str(u"FL_LOTE", kLot),
                     money(u"FL_PRECIOSINIMPUESTO"),
                 },
                 {},
                 {key(u"FL_KEYPRODUCTOLOTE", {u"FL_CODIGOPRODUCTO", u"FL_LOTE", u"FL_AUTOINCREMENT"})});
}

// Serial numbers. FS_KEYPRODUCTO stands in for the host's primary index
// (kind, product, serial, key): the rows of a product are ranged as (2, product).
TableDef serials()
{
    return table(u"Sseriales",
                 {
                     autoInc(u"FS_AUTOINCREMENT"),
                     str(u"FS_SERIAL", kSerial),
                     str(u"FS_DOCUMENTO", kHostDocument),
                     integer(u"FS_TIPO"),
                     integer(u"FS_TIPOOPERACION"),
                     integer(u"FS_STATUS"),
                     str(u"FS_CODIGOP", kProductCode),
                     integer(u"FS_OPERACIONAUTOINCREMENT"),
                     integer(u"FS_RANDOMITEM"),
                     money(u"FS_PRECIOVENTA"),
                     boolean(u"FS_VISIBLE"),
                     str(u"FS_DEPOSITO", kCode),
                 },
                 {},
                 {
                     key(u"FS_KEYOPERACION", {u"FS_OPERACIONAUTOINCREMENT", u"FS_SERIAL"}),
                     key(u"FS_KEYPRODUCTO", {u"FS_TIPO", u"FS_CODIGOP", u"FS_SERIAL", u"FS_AUTOINCREMENT"}),
                 });
}

// Price data of a product: key ("B", product code); FX_COSTOS is 624 bytes.
TableDef fixedSettings()
{
    return table(u"SFixed",
                 {
                     str(u"FX_TIPO", 1),
                     str(u"FX_CODIGO", kProductCode),
                     blob(u"FX_COSTOS"),
                 },
                 names({u"FX_TIPO", u"FX_CODIGO"}));
}

// Petty-cash boxes by number, with the last movement number used.
TableDef pettyCashBoxes()
{
    return table(u"SCajaMaestro",
                 {
                     integer(u"FMC_CODE"),
                     str(u"FMC_DESCRIPCION", kDescription),
                     integer(u"FMC_CORRELATIVO"),
                 },
                 names({u"FMC_CODE"}));
}

// Card types by code.
TableDef cards()
{
    return table(u"STarjetas",
                 {
                     str(u"FTJ_CODIGO", kCode),
                     str(u"FTJ_DESCRIPCION", kDescription),
                 },
                 names({u"FTJ_CODIGO"}));
}

// Banks by code.
TableDef banks()
{
    return table(u"SInstitucion",
                 {
                     str(u"FIF_CODIGO", kCode),
                     str(u"FIF_DESCRIPCION", kDescription),
                     str(u"FIF_TELEFONOSCONFORMACION", kName),
                 },
                 names({u"FIF_CODIGO"}));
}

// Company record, first row: name, directories relative to the company root, identity.
TableDef company()
{
    return table(u"Sempresas", {
                                   str(u"FE_NOMBRE", kLongText),
                                   str(u"FE_DIRDATOS", kDirectory),
                                   str(u"FE_DIRHISTORIA", kDirectory),
                                   str(u"FE_DIRFORMAS", kDirectory),
                                   str(u"FE_DIRSISTEMA", kDirectory),
                                   str(u"FE_DIRLOCAL", kDirectory),
                                   str(u"FE_DIRREPORTES", kDirectory),
                                   str(u"FE_DIRFORMATOS", kDirectory),
                                   str(u"FE_DIRECCION1", kAddress),
                                   str(u"FE_DIRECCION2", kAddress),
                                   str(u"FE_TELEFONO", kPhone),
                                   str(u"FE_RIF", kTaxId),
                                   str(u"FE_NIT", kTaxId),
                               });
}

} // namespace

QList<TableDef> hostDataTables()
{
    return {systemSettings(),
            currencies(),
            customers(),
            products(),
            categories(),
            employees(),
            suppliers(),
            warehouses(),
            warehouseStock(),
            lots(),
            serials(),
            salesLinesTable(u"SDetalleVenta",
                            {key(u"FDI_KEYDELETE", {u"FDI_OPERACION_AUTOINCREMENT", u"FDI_DOCUMENTO"})}),
            stockOperationsTable(),
            fixedSettings(),
            pettyCashBoxes(),
            cards(),
            banks(),
            usersTable()};
}

QList<TableDef> companyTables()
{
    return {company()};
}

QList<TableDef> historyTables()
{
    return {salesLinesTable(u"HIST_SDetalleVenta",
                            {key(u"FDI_KEYPLANILLA", {u"FDI_OPERACION_AUTOINCREMENT", u"FDI_CODIGO"})})};
}

// Movements of one box. FC_FECHAOPERACION is a day serial kept as money; FC_DOCUMENTO is the
// box correlative as 8 digits. No named index: every box's table shares the data directory.
TableDef pettyCashTable(int box)
{
    return table(kPettyCashPrefix.toString() + QString::number(box),
                 {
                     autoInc(u"FC_AUTOINCREMENT"),
                     str(u"FC_DOCUMENTO", kDocNumber),
                     integer(u"FC_TIPO"),
                     money(u"FC_FECHAOPERACION"),
                     str(u"FC_MEMO", kLongText),
                     money(u"FC_MONTOEFECTIVO"),
                     money(u"FC_MONTOCHEQUE"),
                     money(u"FC_MONTOTDEBITO"),
                     money(u"FC_MONTOTCREDITO"),
                     money(u"FC_MONTOBOLIVARES"),
                     money(u"FC_MONTOTOTAL"),
                 });
}

} // namespace k9
