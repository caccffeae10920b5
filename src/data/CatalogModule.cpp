// The module's own tables, all in the module directory.

#include "data/Catalog.h"
#include "data/CatalogFields.h"

namespace k9 {

using namespace catalog;

namespace {

// Reception header. RMA_FORMAPAGO: payment slots of the advance, 1680 bytes.
TableDef reception()
{
    return table(u"k9Recepcion",
                 {
                     autoInc(u"RMA_AUTOINC"),
                     str(u"RMA_CODIGO", kRmaNumber),
                     dateTime(u"RMA_FECHA"),
                     str(u"RMA_CODCLIENTE", kCode),
                     str(u"RMA_VENDEDOR", kCode),
                     str(u"RMA_CONTACTO", kName),
                     str(u"RMA_TLFCONTACTO", kPhone),
                     str(u"RMA_DOCORIGEN", kHostDocument),
                     integer(u"RMA_NROPRODUCTOS"),
                     integer(u"RMA_STATUSDOC"),
                     integer(u"RMA_STATUSDOCOP"),
                     money(u"RMA_ADELANTO"),
                     money(u"RMA_MONTOBRUTOREV"),
                     money(u"RMA_MONTOIVAREV"),
                     money(u"RMA_MONTOTOTALREV"),
                     dateTime(u"RMA_FECHADEENTREGA"),
                     dateTime(u"RMA_FECHATERMINO"),
                     memo(u"RMA_LOG"),
                     blob(u"RMA_FORMAPAGO"),
                 },
                 {}, {key(u"RMA_KEYSTATUS", {u"RMA_CODIGO", u"RMA_STATUSDOC"})});
}

// Received items. RMD_COMPONENTES: component slots, 119220 bytes. The user-defined fields
// RMD_ZCAMPO<n> are added at run time.
TableDef receptionItems()
{
    return table(u"k9DetalleRecepcion",
                 {
                     autoInc(u"RMD_CODIGO"),
                     integer(u"RMD_AUTOINCRMA"),
                     str(u"RMD_CODIGORMA", kRmaNumber),
                     str(u"RMD_CODRMD", kRmaNumber),
                     str(u"RMD_CODPRODUCTO", kProductCode),
                     boolean(u"RMD_FROMK9"),
                     str(u"RMD_SERIAL", kSerial),
                     integer(u"RMD_CANTIDAD"),
                     dateTime(u"RMD_FECHA"),
                     dateTime(u"RMD_FECHAVEN"),
                     str(u"RMD_DOCFACT", kHostDocument),
                     integer(u"RMD_TIEMPOGARANT"),
                     str(u"RMD_EMPRECEPTOR", kCode),
                     memo(u"RMD_DETALLE"),
                     memo(u"RMD_DETALLE2"),
                     integer(u"RMD_RAZON"),
                     integer(u"RMD_PRIORIDAD"),
                     integer(u"RMD_RECIBIDO"),
                     boolean(u"RMD_TERCERO"),
                     integer(u"RMD_STATUS"),
                     money(u"RMD_PRECIOADELANTO"),
                     money(u"RMD_PRECIOOTRO"),
                     money(u"RMD_TOTALREV"),
                     blob(u"RMD_COMPONENTES"),
                 },
                 {},
                 {
                     key(u"RMD_KEYAUTOINCRMA", {u"RMD_AUTOINCRMA"}),
                     key(u"RMD_KEYPRODUCTO", {u"RMD_CODPRODUCTO", u"RMD_SERIAL", u"RMD_FROMK9"}),
                     key(u"RMD_KEYRMA", {u"RMD_CODIGORMA"}),
                 });
}

// Options and correlatives: one record, no key.
TableDef configuration()
{
    return table(u"k9RMAConfig", {
                                     integer(u"FC_RMA"),
                                     integer(u"FC_RMAPRESUPUESTO"),
                                     integer(u"FC_SERVICIO"),
                                     integer(u"FC_TERCEROS"),
                                     integer(u"FC_GARANTIA"),
                                     str(u"FC_DIRFORMA", kDirectory),
                                     str(u"FC_DIRBUPFORMA", kDirectory),
                                     boolean(u"FC_AVISOTAREA"),
                                     boolean(u"FC_AVISOCITAS"),
                                     integer(u"FC_CODECAJACHICA"),
                                     str(u"FC_ITEMREVISION", kProductCode),
                                     money(u"FC_MTOREVISION"),
                                     boolean(u"FC_CAMBIARMTOREV"),
                                     boolean(u"FC_BUSQHISTORIAL"),
                                     boolean(u"FC_CONFIRBUSQHIST"),
                                     str(u"FC_PERIODOHISTO", kCode),
                                     integer(u"FC_NROPERIODOSBUSQ"),
                                     boolean(u"FC_CAMPORECIBIDOX"),
                                     boolean(u"FC_CAMPOFECHARECEP"),
                                     boolean(u"FC_CAMPOSERIAL"),
                                     boolean(u"FC_CAMPOCONFISICA"),
                                     boolean(u"FC_CAMPOFALLA"),
                                     integer(u"FC_PRECIOPIEZASERV"),
                                     integer(u"FC_PRECIOGARANTIA"),
                                     integer(u"FC_FECHATERMINO"),
                                     boolean(u"FC_CAMBIARMTOPS"),
                                     // A whole percentage, read as money at start-up and as an
                                     // integer by the configuration window: money keeps both exact.
                                     money(u"FC_PORCENTPAGO"),
                                     boolean(u"FC_VISUALIZARCITA"),
                                     integer(u"FC_DEPOSITOSERV"),
                                     integer(u"FC_DEPOSITOGARANTIA"),
                                 });
}

// Definitions of the user-defined item fields, keyed by the field name.
TableDef userFieldDefinitions()
{
    return table(u"k9DetalleRecepcionConfig",
                 {
                     str(u"FS_CAMPO", kCode),
                     str(u"FS_NOMCOMP", 30),
                     boolean(u"FS_USACOMP"),
                     str(u"FS_TITULO", kName),
                     str(u"FS_MENSAJE", kDescription),
                     str(u"FS_TIPO", kCode),
                     integer(u"FS_LONGITUD"),
                     integer(u"FS_DECIMAL"),
                     str(u"FS_DEFAULTVALUE", kDescription),
                     str(u"FS_ITEMS", kLongText),
                     str(u"FS_LOOKUPFILE", kName),
                     str(u"FS_LOOKUPFIELD", kName),
                     str(u"FS_LOOKUPINDEX", kName),
                     str(u"FS_LOOKUPORDER", kName),
                     str(u"FS_LOOKUPFILTER", kLongText),
                 },
                 names({u"FS_CAMPO"}));
}

// The module's own product list ("Inventario G&S"), keyed by code.
TableDef serviceInventory()
{
    return table(u"k9RMAInventario",
                 {
                     str(u"FIR_CODIGO", kProductCode),
                     str(u"FIR_DESCRIPCION", kDescription),
                     str(u"FIR_DESCRIPCIONDETALLADA", kLongText),
                     str(u"FIR_MARCA", kName),
                     str(u"FIR_MODELO", kName),
                     str(u"FIR_CATEGORIA", kCode),
                     str(u"FIR_SUBCATEGORIA", kName),
                     money(u"FIR_PRECIO"),
                 },
                 names({u"FIR_CODIGO"}));
}

// Budget and service header. FRI_CONTACTO: 20 contact slots, 5600 bytes;
// FRI_FORMADEPAGO: payment slots, 1680 bytes.
TableDef operations()
{
    return table(u"k9RMAOperaciones",
                 {
                     autoInc(u"FRI_AUTOINCREMENT"),
                     str(u"FRI_DOCUMENTO", kDocNumber),
                     integer(u"FRI_TIPO"),
                     str(u"FRI_DOCRMA", kRmaNumber),
                     integer(u"FRI_STATUS"),
                     boolean(u"FRI_APROBADO"),
                     boolean(u"FRI_STATUSCONTACTO"),
                     dateTime(u"FRI_FECHAEMISION"),
                     dateTime(u"FRI_FECHAENTREGA"),
                     dateTime(u"FRI_FECHAULTSEGUI"),
                     memo(u"FRI_SEGUIMIENTO"),
                     integer(u"FRI_PRESERV"),
                     integer(u"FRI_TOTALITEMS"),
                     money(u"FRI_TOTALBRUTO"),
                     money(u"FRI_IMPUESTOMONTO"),
                     money(u"FRI_TOTALNETO"),
                     money(u"FRI_TOTALCOSTO"),
                     money(u"FRI_MONTOPAGADO"),
                     blob(u"FRI_CONTACTO"),
                     blob(u"FRI_FORMADEPAGO"),
                 },
                 {},
                 {
                     key(u"FRI_KEYDOCRMA", {u"FRI_DOCRMA", u"FRI_TIPO"}),
                     key(u"FRI_KEYDOCTIPO", {u"FRI_DOCUMENTO", u"FRI_TIPO"}),
                     key(u"FRI_KEYRMA", {u"FRI_DOCRMA"}),
                 });
}

// Budget and service lines.
TableDef operationLines()
{
    return table(u"k9DetalleOperaciones",
                 {
                     autoInc(u"FDI_AUTOINCREMENT"),
                     integer(u"FDI_CODAUTOINC"),
                     str(u"FDI_DOCUMENTO", kDocNumber),
                     str(u"FDI_DOCUMENTOORIGEN", kHostDocument),
                     integer(u"FDI_TIPOOPERACION"),
                     integer(u"FDI_LINEA"),
                     integer(u"FDI_RMDCODIGO"),
                     str(u"FDI_CODIGO", kProductCode),
                     boolean(u"FDI_FROMK9"),
                     str(u"FDI_SSERIAL", kSerial),
                     str(u"FDI_FALLA", kLongText),
                     memo(u"FDI_DETALLEFALLA"),
                     str(u"FDI_SERVICIO", kLongText),
                     memo(u"FDI_DETALLESERVICIO"),
                     str(u"FDI_PIEZA", kProductCode),
                     str(u"FDI_SERIALPIEZA", kSerial),
                     str(u"FDI_LOTE", kLot),
                     str(u"FDI_TECNICO", kCode),
                     boolean(u"FDI_TERCERO"),
                     str(u"FDI_CODTERCERO", kCode),
                     integer(u"FDI_STATUS"),
                     boolean(u"FDI_APROBADO"),
                     money(u"FDI_PRECIOPIEZA"),
                     money(u"FDI_MTOSERVICIO"),
                     money(u"FDI_MTOMANO_OBRA"),
                     money(u"FDI_MTOCOSTO"),
                     money(u"FDI_IVA"),
                 },
                 {},
                 {
                     // The lines of one operation grouped by product and serial, in the
                     // order they were written.
                     key(u"FDI_KEYCODRMD",
                         {u"FDI_CODAUTOINC", u"FDI_CODIGO", u"FDI_SSERIAL", u"FDI_AUTOINCREMENT"}),
                     key(u"FDI_KEYDOCKEYAUTO", {u"FDI_CODAUTOINC", u"FDI_AUTOINCREMENT"}),
                 });
}

// Items sent to outside parties.
TableDef outsideParties()
{
    return table(u"k9RMADetalleTerceros",
                 {
                     autoInc(u"FTR_KEYAUTOINC"),
                     integer(u"FTR_AUTOINCSERV"),
                     str(u"FTR_CODSERV", kDocNumber),
                     str(u"FTR_CODIGO", kDocNumber),
                     str(u"FTR_TERCERO", kCode),
                     str(u"FTR_RESPONSABLE", kCode),
                     memo(u"FTR_DETALLE"),
                     integer(u"FTR_NROITEMS"),
                     dateTime(u"FTR_FECHASALIDA"),
                     dateTime(u"FTR_FECHAENTRE"),
                     integer(u"FTR_STSALIDA"),
                     integer(u"FTR_STENTREGA"),
                 },
                 {}, {key(u"FTR_KEYTERCERO", {u"FTR_AUTOINCSERV", u"FTR_TERCERO"})});
}

TableDef tasks()
{
    return table(u"k9RMATareas",
                 {
                     autoInc(u"FT_CODIGO"),
                     dateTime(u"FT_FECHACREACION"),
                     dateTime(u"FT_FECHAINICIO"),
                     dateTime(u"FT_FECHAFIN"),
                     integer(u"FT_GRUPO"),
                     integer(u"FT_PRIORIDAD"),
                     integer(u"FT_STATUS"),
                     str(u"FT_DESCRIPCION", kDescription),
                     str(u"FT_RMA", kRmaNumber),
                     memo(u"FT_TAREA"),
                     str(u"FT_USER", kName),
                 },
                 {}, {key(u"FT_KEYRMA", {u"FT_RMA"})});
}

TableDef appointments()
{
    return table(u"k9RMACitas",
                 {
                     autoInc(u"RMC_CODE"),
                     dateTime(u"RMC_FECHAEMI"),
                     dateTime(u"RMC_FECHAPROG"),
                     str(u"RMC_CODPRO", kProductCode),
                     str(u"RMC_DESPRO", kDescription),
                     str(u"RMC_SERIAL", kSerial),
                     boolean(u"RMC_FROMK9"),
                     str(u"RMC_RMA", kRmaNumber),
                     integer(u"RMC_AUTOINCRMA"),
                     str(u"RMC_CODCONTAC", kCode),
                     str(u"RMC_CONTACTO", kName),
                     str(u"RMC_DESCRIPCION", kDescription),
                     memo(u"RMC_DETALLE"),
                     integer(u"RMC_RAZON"),
                     integer(u"RMC_STATUS"),
                 },
                 {}, {key(u"RMC_KEYPROSER", {u"RMC_CODPRO", u"RMC_SERIAL", u"RMC_FROMK9"})});
}

} // namespace

QList<TableDef> moduleTables()
{
    return {reception(),  receptionItems(), configuration(),  userFieldDefinitions(), serviceInventory(),
            operations(), operationLines(), outsideParties(), tasks(),                appointments()};
}

} // namespace k9
