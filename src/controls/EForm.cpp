#include "controls/EForm.h"

#include "controls/HelpWindow.h"
#include "controls/MemoVorel.h"
#include "controls/PrintTarget.h"
#include "controls/StandardMessages.h"
#include "controls/VorelDateEdit.h"
#include "controls/VorelNumberEdit.h"
#include "core/Globals.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace k9 {

namespace {

// The window message that shows a standard message (its number is the parameter).
const QEvent::Type kStandardMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 1124));

class StandardMessageEvent : public QEvent
{
public:
    explicit StandardMessageEvent(int n) : QEvent(kStandardMessageEvent), entry(n) {}
    int entry;
};

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Push buttons and tool buttons; check boxes and radio buttons are fields.
bool isPushButton(const QWidget *w)
{
    return qobject_cast<const QPushButton *>(w) || qobject_cast<const QToolButton *>(w);
}

template<typename T>
T *enclosing(QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (auto *found = qobject_cast<T *>(w))
            return found;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// Controls from which Up and Down move to another field.
bool arrowsMoveFrom(QWidget *w)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        const QWidget *parent = edit->parentWidget();
        return !(parent && (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent)));
    }
    return qobject_cast<QCheckBox *>(w) || isPushButton(w) || qobject_cast<TMemoVorel *>(w);
}

// Keys a number or date edit still takes with Shift held: typed characters and the keys
// that move between fields.
bool takenWithShift(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Shift: return true;
    default: break;
    }
    const QString text = event->text();
    return text.size() == 1 && text.front().isPrint();
}

} // namespace

class TEForm::KeyPreview : public QObject
{
public:
    explicit KeyPreview(TEForm *form) : QObject(form), m_form(form) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            auto *target = static_cast<QWidget *>(watched);
            QWidget *focus = QApplication::focusWidget();
            // Once per key, where it is delivered first (it climbs to the parents afterwards).
            if (target->window() == m_form && (target == focus || (!focus && target == m_form)))
                return m_form->previewKey(target, static_cast<QKeyEvent *>(event));
        }
        return false;
    }

private:
    TEForm *m_form;
};

TEForm::TEForm(QWidget *parent, int helpTopic)
    : QDialog(parent), m_helpTopic(helpTopic), m_printAction(new QAction(QStringLiteral("&Imprimir Forma"), this))
{
    m_printAction->setObjectName(QStringLiteral("ImprimirForma"));
    connect(m_printAction, &QAction::triggered, this, &TEForm::printForm);
    for (int n = 2; n <= 12; ++n) {
        auto *action = new QAction(QStringLiteral("F%1").arg(n), this);
        action->setObjectName(QStringLiteral("F%1").arg(n));
        action->setShortcut(QKeySequence(Qt::Key_F1 + (n - 1)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        addAction(action);
        m_functionKeys << action;
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            ShowHintText(hintOf(now));
    });
    qApp->installEventFilter(new KeyPreview(this));
}

TEForm::~TEForm() = default;

QAction *TEForm::functionKeyAction(int n) const
{
    return n >= 2 && n <= 12 ? m_functionKeys[n - 2] : nullptr;
}

void TEForm::uncheckFunctionKeys()
{
    for (QAction *action : m_functionKeys)
        action->setChecked(false);
}

QStatusBar *TEForm::statusBar()
{
    if (!m_statusBar)
        m_statusBar = findChild<QStatusBar *>();
    return m_statusBar;
}

void TEForm::ShowHintText(const QString &text)
{
    if (QStatusBar *bar = statusBar()) {
        if (text.isEmpty())
            bar->clearMessage();
        else
            bar->showMessage(text);
    }
}

QString TEForm::hintOf(const QWidget *control)
{
    if (!control)
        return QString();
    return control->statusTip().isEmpty() ? control->toolTip() : control->statusTip();
}

void TEForm::showHintFor(QWidget *control)
{
    if (auto *form = qobject_cast<TEForm *>(control ? control->window() : nullptr))
        form->ShowHintText(hintOf(control));
}

void TEForm::showHintOnActiveForm(const QString &text)
{
    if (auto *form = qobject_cast<TEForm *>(QApplication::activeWindow()))
        form->ShowHintText(text);
}

void TEForm::showStandardMessage(int entry)
{
    QCoreApplication::postEvent(this, new StandardMessageEvent(entry));
}

void TEForm::customEvent(QEvent *event)
{
    if (event->type() == kStandardMessageEvent) {
        if (const auto message = standardMessage(static_cast<StandardMessageEvent *>(event)->entry))
            messages().show(message->kind, message->text, MessageButtons::Ok);
        return;
    }
    QDialog::customEvent(event);
}

bool TEForm::printForm()
{
    const QString name = QStringLiteral("Forma_")
                         + (objectName().isEmpty() ? QString::fromLatin1(metaObject()->className()).section(u':', -1)
                                                   : objectName());
    const QPixmap picture = grab();
    const PrintTarget target = PrintTarget::choose(this, name,
                                                   QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                                                       | QAbstractPrintDialog::PrintSelection);
    if (target.outcome() == PrintTarget::Outcome::Cancelled)
        return false;
    if (!target.isReady() || !printPixmap(target.printer(), picture, logicalDpiX())) {
        showStandardMessage(standardmessages::kFormCannotBePrinted);
        return false;
    }
    m_lastPrintFile = target.pdfPath();
    return true;
}

void TEForm::showHelp()
{
    m_help = HelpWindow::open(this, m_helpTopic);
}

void TEForm::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}

bool TEForm::escapeBlocked(QWidget *focus) const
{
    if (m_refusesEscape)
        return true;
    if (auto *combo = enclosing<QComboBox>(focus); combo && combo->view() && combo->view()->isVisible())
        return true;
    if (enclosing<QCalendarWidget>(focus))
        return true;
    if (auto *date = qobject_cast<TVorelDateEdit *>(focus); date && date->DropDownDate())
        return true;
    if (auto *number = qobject_cast<TVorelNumberEdit *>(focus); number && number->isCalculatorOpen())
        return true;
    return false;
}

bool TEForm::previewKey(QWidget *target, QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_P && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        printForm();
        return true;
    }
    if (key == Qt::Key_F1 && !(mods & Qt::ControlModifier)) {
        showHelp();
        return true;
    }
    if ((mods & Qt::ShiftModifier) && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        auto *number = qobject_cast<TVorelNumberEdit *>(target);
        auto *date = qobject_cast<TVorelDateEdit *>(target);
        if ((number && !number->isReadOnly()) || (date && !date->isReadOnly())) {
            if (number && key == Qt::Key_Down) {
                number->openCalculator();
                return true;
            }
            if (!takenWithShift(event))
                return true;
        }
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        if (escapeBlocked(target))
            return false;
        close();
        return true;
    }
    return false;
}


void TEForm::keyPressEvent(QKeyEvent *event)
{
    // Keys reach this point when the focused control did not take them.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    QWidget *focus = focusWidget();
    if (isEnter(key) && !(mods & (Qt::AltModifier | Qt::ControlModifier))) {
        event->accept();
        if (isPushButton(focus)) {
            static_cast<QAbstractButton *>(focus)->click();
            return;
        }
        if (m_enterMode == EnterMode::B) {
            for (QPushButton *button : findChildren<QPushButton *>()) {
                if (button->isDefault() && button->isVisible() && button->window() == this) {
                    if (button->isEnabled())
                        button->click();
                    return;
                }
            }
        }
        moveFocus(!(mods & Qt::ShiftModifier));
        return;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && mods == Qt::NoModifier) {
        if (arrowsMoveFrom(focus)) {
            event->accept();
            moveFocus(key == Qt::Key_Down);
            return;
        }
        event->ignore();
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept(); // closing was decided when the key arrived
        return;
    }
    QDialog::keyPressEvent(event);
}

void TEForm::showEvent(QShowEvent *event)
{
    prepareWindow();
    QDialog::showEvent(event);
    m_shown = true;
    ShowHintText(hintOf(focusWidget()));
}

void TEForm::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TEForm::done(int result)
{
    if (m_busy)
        return;
    QDialog::done(result);
}

void TEForm::contextMenuEvent(QContextMenuEvent *event)
{
    if (!session().HidePrinter) {
        event->ignore();
        return;
    }
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(m_printAction);
    menu->popup(event->globalPos());
}

} // namespace k9
