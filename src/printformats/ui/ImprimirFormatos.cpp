#include "printformats/ui/ImprimirFormatos.h"

#include "core/Messages.h"
#include "printformats/PrintCondition.h"
#include "printformats/ui/TVorelPrintFormatosForm.h"

namespace k9 {

bool ImprimirFormatos(QWidget *owner, const PrintDocument &document, QList<FormatEntry> &formats,
                      const PrintFormatsOptions &options)
{
    const SystemValues system = options.system ? *options.system : SystemValues::fromWorkspace();
    const FormatFields values(document, system);
    bool lastSucceeded = false;
    for (FormatEntry &entry : formats) {
        if (entry.params.skip && !options.singleFormat)
            continue;
        if (!EvaluarCondicion(entry.condition, [&values](int field) { return values.printedHeader(field); }))
            continue;
        while (true) {
            TVorelPrintFormatosForm window(owner, entry, document, system, options.reprint, options.singleFormat,
                                           options.neverAsk);
            window.exec();
            lastSucceeded = window.outcome() == TVorelPrintFormatosForm::Outcome::Printed;
            if (window.outcome() != TVorelPrintFormatosForm::Outcome::Failed)
                break;
            if (messages().show(MessageKind::Error, QStringLiteral("ERROR #43"), MessageButtons::YesNo) != Answer::Yes)
                break;
        }
    }
    return lastSucceeded;
}

} // namespace k9
