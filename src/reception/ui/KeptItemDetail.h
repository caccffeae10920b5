#pragma once

class QWidget;

namespace k9 {

class Tk9DetalleRecepcionForm;

// The reception item detail window the program keeps from start-up to its end: created
// once, used by every reception, freed only when the item form layout is about to change.

// The kept window; nullptr before ensureKeptItemDetail() or after dropKeptItemDetail().
Tk9DetalleRecepcionForm *keptItemDetail();
// Creates the kept window (owned by `mainWindow`) when there is none. Answers it.
Tk9DetalleRecepcionForm *ensureKeptItemDetail(QWidget *mainWindow);
// Frees the kept window.
void dropKeptItemDetail();

} // namespace k9
