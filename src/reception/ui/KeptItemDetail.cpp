#include "reception/ui/KeptItemDetail.h"

#include "reception/ui/Tk9DetalleRecepcionForm.h"

#include <QPointer>

namespace k9 {

namespace {

QPointer<Tk9DetalleRecepcionForm> &kept()
{
    static QPointer<Tk9DetalleRecepcionForm> window;
    return window;
}

} // namespace

Tk9DetalleRecepcionForm *keptItemDetail()
{
    return kept();
}

Tk9DetalleRecepcionForm *ensureKeptItemDetail(QWidget *mainWindow)
{
    if (!kept())
        kept() = new Tk9DetalleRecepcionForm(mainWindow);
    return kept();
}

void dropKeptItemDetail()
{
    delete kept().data();
    kept() = nullptr;
}

} // namespace k9
