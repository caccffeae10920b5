#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace k9 {

class TVorelWaitForm;

// The wait window of the host-window launcher: the one created at start-up (the main
// window's). Without one, the launcher makes its own.
void setHostWaitForm(TVorelWaitForm *wait);
TVorelWaitForm *hostWaitForm();

// Runs a window of the host suite: shows "Espere cargando, " + name + " ..." until the
// window is up (the first events after `body` starts, or `body`'s end), keeps the
// workspace directories and puts them back afterwards in every case: `body` may change
// them, fail or throw. Answers what `body` answered; false when it threw (the user is
// told).
bool runHostWindow(const QString &name, const std::function<bool()> &body);

// The host's customer window ("Clientes") through the launcher: a customer added to
// SClientes. Answers whether one was added, and its code in `code`.
bool runCustomerWindow(QWidget *parent, QString *code = nullptr);

} // namespace k9
