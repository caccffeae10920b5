#include "reception/ui/ReceptionSaveSteps.h"

#include "printformats/FormatCatalog.h"
#include "printformats/ui/ImprimirFormatos.h"
#include "reception/ui/Tk9FormaPagoForm.h"

namespace k9 {

PaymentResult FormaPagoStep::takePayment(const PaymentRequest &request)
{
    Tk9FormaPagoForm form(m_owner);
    form.setAmountDue(request.due);
    form.setCustomerName(request.client);
    form.setTotalCaption(request.caption);
    form.setMinimumLabelsVisible(false);
    form.exec();
    return {form.cancelled(), form.paymentLines(), form.change()};
}

bool FormatPrintStep::print(const PrintDocument &document, bool reprint)
{
    QList<FormatEntry> formats;
    CargarFormatos(KindRecepcion, formats);
    PrintFormatsOptions options;
    options.reprint = reprint;
    return ImprimirFormatos(m_owner, document, formats, options);
}

} // namespace k9
