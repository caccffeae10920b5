#include "app/Tk9AcercaDeForm.h"

#include "app/AppImages.h"
#include "app/ProductInfo.h"
#include "core/Globals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {

Tk9AcercaDeForm::Tk9AcercaDeForm(QWidget *parent) : TEForm(parent, 10)
{
    setObjectName(QStringLiteral("AcercaDeForm"));
    setWindowTitle(QStringLiteral("Acerca de k9RMA"));
    auto *picture = new QLabel(this);
    picture->setPixmap(rightImage(96));
    auto *title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("LTitulo"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    title->setFont(font);
    auto *details = new QLabel(this);
    details->setObjectName(QStringLiteral("LDetalle"));
    QStringList lines{QStringLiteral("Versión ") + productVersion(),
                      QStringLiteral("Recepción de productos en garantía, presupuestos, órdenes de servicio, citas y "
                                     "tareas."),
                      QString(),
                      QStringLiteral("Empresa: ") + company().NombreEmpresa};
    if (!session().UsuarioActual.isEmpty())
        lines << QStringLiteral("Usuario: ") + session().UsuarioActual;
    details->setText(lines.join(u'\n'));
    details->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("&Aceptar"), this);
    ok->setObjectName(QStringLiteral("BAceptar001"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(details);
    text->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->addLayout(row);
    layout->addLayout(buttons);
    setMinimumWidth(440);
    ok->setFocus();
}

} // namespace k9
