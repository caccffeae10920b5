#include "queries/ui/NInfoMainFileForm.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace k9 {

Tk9NInfoMainFileForm::Tk9NInfoMainFileForm(QWidget *parent, LookupBrowser &browser) : Tk9InfoGeneralForm(parent, browser)
{
    setObjectName(QStringLiteral("Tk9NInfoMainFileForm"));
    setUpBrowser();
}

void Tk9NInfoMainFileForm::setUpToolBar(QToolBar *toolBar)
{
    if (browser().statusItems().isEmpty())
        return;
    auto *button = new QToolButton(toolBar);
    button->setObjectName(QStringLiteral("BEstado"));
    button->setText(QStringLiteral("&Estado"));
    button->setToolTip(QStringLiteral("Estado Transacción"));
    button->setPopupMode(QToolButton::InstantPopup);
    m_statusMenu = new QMenu(button);
    m_statusMenu->setObjectName(QStringLiteral("TipoOperaciones"));
    for (const StatusMenuItem &item : browser().statusItems()) {
        QAction *action = m_statusMenu->addAction(item.caption);
        action->setCheckable(true);
        action->setData(item.status);
        connect(action, &QAction::triggered, this, [this, status = item.status] {
            browser().toggleStatus(status);
            syncStatusMenu();
            updateView();
            selectRow(0);
        });
    }
    button->setMenu(m_statusMenu);
    // Before "&Salir".
    QAction *last = toolBar->actions().isEmpty() ? nullptr : toolBar->actions().last();
    toolBar->insertWidget(last, button);
    syncStatusMenu();
}

void Tk9NInfoMainFileForm::syncStatusMenu()
{
    if (!m_statusMenu)
        return;
    for (QAction *action : m_statusMenu->actions()) {
        for (const StatusMenuItem &item : browser().statusItems()) {
            if (item.status != action->data().toInt())
                continue;
            action->setEnabled(item.enabled);
            action->setChecked(item.checked);
        }
    }
}

} // namespace k9
