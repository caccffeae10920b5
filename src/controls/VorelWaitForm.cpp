#include "controls/VorelWaitForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace k9 {

TVorelWaitForm::TVorelWaitForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_label(new QLabel(this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("VorelWaitForm"));
    setWindowTitle(QStringLiteral("Espere cargando ..."));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(16, 12, 16, 12);
    m_label->setObjectName(QStringLiteral("LabelEspera"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setText(windowTitle());
    inner->addWidget(m_label);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setMinimumWidth(320);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TVorelWaitForm::finish);
}

QString TVorelWaitForm::text() const
{
    return m_label->text();
}

void TVorelWaitForm::setText(const QString &text)
{
    m_label->setText(text);
}

void TVorelWaitForm::showLoading(const QString &name)
{
    setText(QStringLiteral("Espere cargando, ") + name + QStringLiteral(" ..."));
    show();
    repaint();
}

void TVorelWaitForm::closeAfter(int msecs)
{
    m_timer->start(msecs);
}

void TVorelWaitForm::finish()
{
    m_timer->stop();
    m_closing = true;
    close();
    m_closing = false;
}

void TVorelWaitForm::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TVorelWaitForm::keyPressEvent(QKeyEvent *)
{
    // Escape and Enter do not close it either.
}

} // namespace k9
