#include "queries/ListKinds.h"

#include "core/CodeLists.h"

#include <map>

namespace k9 {

namespace {

QStringList list(std::initializer_list<const char16_t *> texts)
{
    QStringList out;
    for (const char16_t *t : texts)
        out << QString::fromUtf16(t);
    return out;
}

ColumnDef text(const char16_t *caption, const char16_t *field, int width = 0)
{
    return {QString::fromUtf16(caption), QString::fromUtf16(field), ColumnKind::Text, width, {}, {}};
}

ColumnDef date(const char16_t *caption, const char16_t *field)
{
    return {QString::fromUtf16(caption), QString::fromUtf16(field), ColumnKind::Date, 0, {}, {}};
}

ColumnDef coded(const char16_t *caption, const char16_t *field, QStringList codes, int width = 0)
{
    return {QString::fromUtf16(caption), QString::fromUtf16(field), ColumnKind::Coded, width, std::move(codes), {}};
}

ColumnDef lookup(const char16_t *caption, const char16_t *field, const char16_t *table, LookupDirectory dir,
                 const char16_t *key, const char16_t *shown, int width = 0)
{
    LookupDef l{QString::fromUtf16(table), dir, QString::fromUtf16(key), {QString::fromUtf16(shown)}};
    return {QString::fromUtf16(caption), QString::fromUtf16(field), ColumnKind::Lookup, width, {}, std::move(l)};
}

QStringList reasonCodes()
{
    return list({u"Servicio", u"Evaluación", u"Cambio", u"Reparación", u"Actualización", u"Otro"});
}

QStringList priorityCodes()
{
    return list({u"Maxima", u"Alta", u"Media", u"Regular"});
}

QStringList receivedAsCodes()
{
    return list({u"Garantia", u"Servicio", u"Garant&Serv"});
}

QList<ColumnDef> receptionColumns()
{
    return {
        text(u"Documentos RMA", u"RMA_CODIGO", 20),
        text(u"Contacto", u"RMA_CONTACTO"),
        text(u"Fecha Emisión", u"RMA_FECHA"),
        coded(u"Estado", u"RMA_STATUSDOC", rmaStatusCodes(), 25),
    };
}

// Kinds 17 and 25 differ in the product lookup, the serial width and one caption.
QList<ColumnDef> receivedItemColumns(ColumnDef product, int serialWidth, const char16_t *reasonCaption)
{
    return {
        text(u"Documento RMA", u"RMD_CODIGORMA"),
        std::move(product),
        text(u"Serial", u"RMD_SERIAL", serialWidth),
        date(u"Fecha Recepcion", u"RMD_FECHA"),
        coded(reasonCaption, u"RMD_RAZON", reasonCodes()),
        coded(u"Prioridad", u"RMD_PRIORIDAD", priorityCodes()),
        coded(u"Recibido Por", u"RMD_RECIBIDO", receivedAsCodes()),
    };
}

std::map<int, ListKind> buildKinds()
{
    using namespace listkind;
    std::map<int, ListKind> kinds;
    auto add = [&kinds](ListKind k) { kinds.emplace(k.number, std::move(k)); };

    add({Clientes, QStringLiteral("Listado de Clientes"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FC_CODIGO"), text(u"Descripción", u"FC_DESCRIPCION", 20), text(u"Activo", u"FC_STATUS"),
          text(u"Teléfono", u"FC_TELEFONO"), text(u"Descripción Detallada", u"FC_DESCRIPCIONDETALLADA"),
          text(u"NIT", u"FC_NIT"), text(u"RIF", u"FC_RIF")}});
    add({InventarioK9, QStringLiteral("Listado de Inventario k9"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FI_CODIGO"), text(u"Descripción", u"FI_DESCRIPCION"),
          lookup(u"Departamento", u"FI_CATEGORIA", u"SCategoria", LookupDirectory::Data, u"FD_CODIGO",
                 u"FD_DESCRIPCION"),
          text(u"Marca", u"FI_MARCA")}});
    // The RMA documents hand back the document number; RMA_AUTOINC comes with the extras.
    add({DocumentosRMA, QStringLiteral("Documentos RMA"), QStringLiteral("RMA_CODIGO"), RowExtrasKind::Reception, true,
         receptionColumns()});
    add({ItemsRecibidos, QString(), {}, RowExtrasKind::ReceivedItem, false,
         receivedItemColumns(lookup(u"Producto  k9", u"RMD_CODPRODUCTO", u"SInventario", LookupDirectory::Data,
                                    u"FI_CODIGO", u"FI_DESCRIPCION", 50),
                             35, u"Razón")});
    add({InventarioGS, QStringLiteral("Listado de Inventario G&S"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FIR_CODIGO"), text(u"Descripción", u"FIR_DESCRIPCION"),
          lookup(u"Departamento", u"FIR_CATEGORIA", u"SCategoria", LookupDirectory::Data, u"FD_CODIGO",
                 u"FD_DESCRIPCION"),
          text(u"Marca", u"FIR_MARCA")}});
    add({Proveedores, QStringLiteral("Listado de Proveedores"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FP_CODIGO"), text(u"Descripción", u"FP_DESCRIPCION"),
          text(u"Descripción Detallada", u"FP_DESCRIPCIONDETALLADA"), text(u"Activo", u"FP_STATUS")}});
    add({Empleados, QStringLiteral("Listado de Empleados"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FV_CODIGO"), text(u"Descripción", u"FV_DESCRIPCION"),
          text(u"Descripción Detallada", u"FV_DESCRIPCIONDETALLADA"), text(u"Activo", u"FV_STATUS"),
          text(u"Clasificación", u"FV_CLASIFICACION")}});
    add({Operaciones, QString(), {}, RowExtrasKind::Operation, false,
         {text(u"Documento", u"FRI_DOCUMENTO"),
          lookup(u"RMA - Contacto", u"FRI_DOCRMA", u"k9Recepcion", LookupDirectory::Module, u"RMA_CODIGO",
                 u"RMA_CONTACTO", 35),
          coded(u"Tipo", u"FRI_TIPO", operationTypeCodes()), coded(u"Estado", u"FRI_STATUS", operationStatusCodes()),
          text(u"Fecha de Creación", u"FRI_FECHAEMISION")}});
    add({EmpleadosCorto, QStringLiteral("Empleados"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FV_CODIGO"), text(u"Descripción", u"FV_DESCRIPCION"), text(u"Activo", u"FV_STATUS"),
          text(u"Clasificación", u"FV_CLASIFICACION")}});
    add({Citas, QString(), {}, RowExtrasKind::None, false,
         {text(u"Código", u"RMC_CODE"), text(u"Contacto", u"RMC_CONTACTO"), text(u"RMA", u"RMC_RMA"),
          text(u"Producto", u"RMC_DESPRO"), text(u"Serial", u"RMC_SERIAL"),
          coded(u"Estatus", u"RMC_STATUS", appointmentStatusCodes()), text(u"Descripción", u"RMC_DESCRIPCION"),
          text(u"Fecha Emisión", u"RMC_FECHAEMI"), text(u"Fecha Programda", u"RMC_FECHAPROG")}});
    add({ItemsRecibidosGS, QString(), {}, RowExtrasKind::ReceivedItem, false,
         receivedItemColumns(lookup(u"Producto", u"RMD_CODPRODUCTO", u"k9RMAInventario", LookupDirectory::Module,
                                    u"FIR_CODIGO", u"FIR_DESCRIPCION"),
                             0, u"Razon")});
    {
        QList<ColumnDef> columns = receptionColumns();
        columns << coded(u"Estado Pago", u"RMA_STATUSDOCOP", rmaPaymentStateCodes(), 25);
        add({DocumentosRMAPago, QString(), QStringLiteral("RMA_CODIGO"), RowExtrasKind::None, true, columns});
    }
    add({Departamentos, QStringLiteral("Departamentos k9"), {}, RowExtrasKind::None, false,
         {text(u"Código", u"FD_CODIGO"), text(u"Descripción", u"FD_DESCRIPCION"),
          text(u"Descripción Detallada", u"FD_DESCRIPCIONDETALLADA"), text(u"Activo", u"FD_STATUS")}});
    return kinds;
}

const std::map<int, ListKind> &kinds()
{
    static const std::map<int, ListKind> all = buildKinds();
    return all;
}

} // namespace

const ListKind *listKind(int kind)
{
    const auto it = kinds().find(kind);
    return it == kinds().end() ? nullptr : &it->second;
}

QList<int> listKindNumbers()
{
    QList<int> out;
    for (const auto &entry : kinds())
        out << entry.first;
    return out;
}

QStringList rmaStatusCodes()
{
    return list({u"", u"Pendiente", u"Recibido", u"Presupuestado", u"En Servicio", u"Garantia", u"Garantia&Servicio",
                 u"Finalizado", u"Entregado", u"Devuelto", u"Anulado"});
}

QStringList rmaPaymentStateCodes()
{
    return list({u"", u"Totalizado", u"Por Totalizar"});
}

QStringList operationTypeCodes()
{
    return list({u"", u"Servicio", u"Garantia", u"Presupuesto"});
}

QStringList operationStatusCodes()
{
    return list({u"", u"Totalizado", u"Por Totalizar", u"Anulado"});
}

QStringList appointmentStatusCodes()
{
    // Stored as 0 pending, 1 called, 2 cancelled: the texts of the appointment status list.
    return appointmentStatusTexts();
}

} // namespace k9
