#include "controls/EsperaForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace k9 {

TEsperaForm::TEsperaForm(QWidget *parent, const QString &text)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_panel(new QLabel(this))
{
    setObjectName(QStringLiteral("EsperaForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_panel->setObjectName(QStringLiteral("PanelEspera"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setLineWidth(2);
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setMargin(18);
    QFont font = m_panel->font();
    font.setBold(true);
    m_panel->setFont(font);
    setText(text.isEmpty() ? QStringLiteral("Espere cargando...") : text);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
    setMinimumSize(340, 70);
}

QString TEsperaForm::text() const
{
    return m_text;
}

QString TEsperaForm::shownText() const
{
    return m_panel->text();
}

void TEsperaForm::setText(const QString &text)
{
    // The menu captions double their "&" ("Inventario G&&S"); the panel shows one.
    m_text = text;
    QString shown = text;
    m_panel->setText(shown.replace(QStringLiteral("&&"), QStringLiteral("&")));
}

void TEsperaForm::showNow()
{
    adjustSize();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    repaint();
}

} // namespace k9
