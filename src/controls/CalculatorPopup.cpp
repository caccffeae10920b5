#include "controls/CalculatorPopup.h"

#include "controls/PopupPlacement.h"

#include "core/Regional.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace k9 {

namespace {

struct KeyButton
{
    const char16_t *caption;
    char16_t key;
    int row;
    int column;
};

} // namespace

CalculatorPopup::CalculatorPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup), m_calculator(regional().decimalSeparator), m_display(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Calculadora"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    m_display->setReadOnly(true);
    m_display->setFocusPolicy(Qt::NoFocus);
    m_display->setAlignment(Qt::AlignRight);
    m_display->setObjectName(QStringLiteral("Pantalla"));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    grid->addWidget(m_display, 0, 0, 1, 4);
    const QString sep = regional().decimalSeparator;
    const KeyButton keys[] = {
        {u"C", u'C', 1, 0}, {u"CE", u'E', 1, 1}, {u"\u2190", u'<', 1, 2}, {u"/", u'/', 1, 3},
        {u"7", u'7', 2, 0}, {u"8", u'8', 2, 1}, {u"9", u'9', 2, 2},       {u"*", u'*', 2, 3},
        {u"4", u'4', 3, 0}, {u"5", u'5', 3, 1}, {u"6", u'6', 3, 2},       {u"-", u'-', 3, 3},
        {u"1", u'1', 4, 0}, {u"2", u'2', 4, 1}, {u"3", u'3', 4, 2},       {u"+", u'+', 4, 3},
        {u"0", u'0', 5, 0}, {u"\u00B1", u'N', 5, 1}, {nullptr, u'.', 5, 2}, {u"=", u'=', 5, 3},
        {u"%", u'%', 6, 0},
    };
    for (const KeyButton &k : keys) {
        auto *b = new QToolButton(this);
        b->setText(k.caption ? QString::fromUtf16(k.caption) : sep);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(28, 24);
        const QChar key = k.key == u'.' ? sep.front() : QChar(k.key);
        connect(b, &QToolButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(b, k.row, k.column);
    }
    auto *ok = new QToolButton(this);
    ok->setText(QStringLiteral("Aceptar"));
    ok->setObjectName(QStringLiteral("BAceptarCalculadora"));
    ok->setFocusPolicy(Qt::NoFocus);
    connect(ok, &QToolButton::clicked, this, &CalculatorPopup::accept);
    grid->addWidget(ok, 6, 1, 1, 3);
    ok->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CalculatorPopup::start(double value)
{
    m_calculator.start(value);
    m_display->setText(m_calculator.display());
}

void CalculatorPopup::popUp(QWidget *anchor)
{
    showBelow(this, anchor);
}

void CalculatorPopup::press(QChar key)
{
    m_calculator.press(key);
    m_display->setText(m_calculator.display());
}

void CalculatorPopup::accept()
{
    if (m_calculator.hasError())
        return;
    m_calculator.press(u'=');
    const double value = m_calculator.value();
    close();
    emit accepted(value);
}

void CalculatorPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); return;
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Backspace: press(u'<'); return;
    case Qt::Key_Delete: press(u'E'); return;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        QChar key = text.front();
        if (key == u'.' || key == u',')
            key = regional().decimalSeparator;
        if (key.isDigit() || key == regional().decimalSeparator || QStringLiteral("+-*/=%").contains(key)) {
            press(key);
            return;
        }
        if (key == u'c' || key == u'C') {
            press(u'C');
            return;
        }
    }
    QFrame::keyPressEvent(event);
}

} // namespace k9
