// The work windows of the main menu. Each one, once built, adds its line here:
//
//   registry.setFactory(CommandId::Recepcion, [](QWidget *parent) { return new Tk9RecepcionForm(parent); });
//
// and the windows that live beyond one command register their hooks (the reminder window,
// the kept reception item detail window).
#include "app/CommandRegistry.h"
#include "app/HostWindow.h"
#include "reception/ui/KeptItemDetail.h"
#include "reception/ui/Tk9RecepcionForm.h"

namespace k9 {

void registerWorkWindows()
{
    CommandRegistry &registry = CommandRegistry::instance();
    registry.setItemDetailHooks([](QWidget *main) { ensureKeptItemDetail(main); },
                                [](QWidget *) { dropKeptItemDetail(); });
    registry.setFactory(CommandId::Recepcion, [](QWidget *parent) {
        auto *window = new Tk9RecepcionForm(keptItemDetail(), parent);
        window->setAddCustomer([](QWidget *owner) {
            QString code;
            return runCustomerWindow(owner, &code) ? code : QString();
        });
        return window;
    });
}

} // namespace k9
