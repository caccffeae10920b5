#include "controls/VorelFileMenuForm.h"

#include "controls/MenuConfigTree.h"
#include "core/Regional.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QSysInfo>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace k9 {

namespace {

QLabel *panel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMargin(2);
    return label;
}

QLabel *image(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

TVorelFileMenuForm::TVorelFileMenuForm(QWidget *parent, int helpTopic)
    : TEForm(parent, helpTopic),
      m_menuBar(new QMenuBar(this)),
      m_toolBar(new QToolBar(this)),
      m_workArea(new QWidget(this)),
      m_imageCentro(image(QStringLiteral("ImageCentro"), m_workArea)),
      m_imageDown(image(QStringLiteral("ImageDown"), m_workArea)),
      m_imageRight(image(QStringLiteral("ImageRight"), m_workArea)),
      m_tree(new MenuConfigTree(this)),
      m_statusBar(new QStatusBar(this)),
      m_panelFecha(panel(QStringLiteral("PanelFecha"), m_statusBar)),
      m_panelHora(panel(QStringLiteral("PanelHora"), m_statusBar))
{
    setRefusesEscape(true);
    setWindowFlags(Qt::Window);

    auto *coolBar = new QWidget(this);
    coolBar->setObjectName(QStringLiteral("CoolBar"));
    coolBar->setAutoFillBackground(true);
    QPalette p = coolBar->palette();
    p.setColor(QPalette::Window, QColor(0xD9, 0xD9, 0xD9));
    coolBar->setPalette(p);
    auto *bars = new QVBoxLayout(coolBar);
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    m_menuBar->setObjectName(QStringLiteral("MenuBar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bars->addWidget(m_menuBar);
    bars->addWidget(m_toolBar);

    m_workArea->setObjectName(QStringLiteral("AreaTrabajo"));
    m_workArea->installEventFilter(this);
    m_tree->hide();
    connect(m_tree, &MenuConfigTree::closeRequested, this, [this] { showMenuConfig(false); });
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(m_tree);
    middle->addWidget(m_workArea, 1);

    m_statusBar->setObjectName(QStringLiteral("MenuStatusBar"));
    m_statusBar->setSizeGripEnabled(true);
    QLabel *computer = panel(QStringLiteral("PanelComputador"), m_statusBar);
    computer->setText(QSysInfo::machineHostName());
    m_statusBar->addPermanentWidget(computer);
    m_statusBar->addPermanentWidget(m_panelFecha);
    m_statusBar->addPermanentWidget(m_panelHora);
    m_panelFecha->setText(FechaTrabajo);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(coolBar);
    layout->addLayout(middle, 1);
    layout->addWidget(m_statusBar);

    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &TVorelFileMenuForm::updateClock);
    clock->start(15000);
    updateClock();
}

void TVorelFileMenuForm::updateClock()
{
    m_panelHora->setText(QTime::currentTime().toString(regional().shortTimeFormat));
}

void TVorelFileMenuForm::setImages(const QPixmap &centre, const QPixmap &down, const QPixmap &right)
{
    m_imageCentro->setPixmap(centre);
    m_imageDown->setPixmap(down);
    m_imageRight->setPixmap(right);
    for (QLabel *label : {m_imageCentro, m_imageDown, m_imageRight})
        label->adjustSize();
    placeImages();
}

void TVorelFileMenuForm::placeImages()
{
    const int width = m_workArea->width();
    const int height = m_workArea->height();
    const QSize right = m_imageRight->size();
    const QSize down = m_imageDown->size();
    const QSize centre = m_imageCentro->size();
    m_imageRight->move(width - right.width() - 15, height - right.height());
    m_imageDown->move((width - right.width() - 15 - down.width()) / 2, height - down.height());
    m_imageCentro->move((width - centre.width()) / 2, (height - centre.height()) / 2);
}

void TVorelFileMenuForm::showMenuConfig(bool show)
{
    if (show)
        m_tree->build(m_menuBar);
    m_tree->setVisible(show);
}

bool TVorelFileMenuForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_workArea && event->type() == QEvent::Resize)
        placeImages();
    return TEForm::eventFilter(watched, event);
}

} // namespace k9
