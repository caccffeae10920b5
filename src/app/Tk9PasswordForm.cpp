#include "app/Tk9PasswordForm.h"

#include "app/AppImages.h"
#include "app/KeyLocks.h"
#include "core/Regional.h"
#include "data/Workspace.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QSysInfo>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace k9 {

namespace {

QLabel *panel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMargin(2);
    return label;
}

} // namespace

Tk9PasswordForm::Tk9PasswordForm(QWidget *parent, const QString &dataDir)
    : TEForm(parent, kHelpTopic),
      m_check(dataDir.isEmpty() ? paths().DirDatos : dataDir),
      m_clock([] { return QDateTime::currentDateTime(); }),
      m_user(new QLineEdit(this)),
      m_key(new QLineEdit(this)),
      m_lock(new QLabel(this)),
      m_aceptar(new QPushButton(QStringLiteral("&Aceptar"), this)),
      m_cancelar(new QPushButton(QStringLiteral("&Cancelar"), this)),
      m_closeTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("PasswordForm"));
    setWindowTitle(QStringLiteral("Acceso Restringido"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    m_user->setObjectName(QStringLiteral("UserName"));
    m_user->setStatusTip(QStringLiteral("Indique nombre del usuario"));
    m_user->setText(QStringLiteral("DEMO"));
    m_user->setMaxLength(60);
    m_key->setObjectName(QStringLiteral("UsersKey"));
    m_key->setStatusTip(QStringLiteral("Indique clave del usuario"));
    m_key->setEchoMode(QLineEdit::Password);
    m_key->setMaxLength(30);
    // The key is kept in upper case, as the host suite stores it.
    connect(m_key, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = m_key->cursorPosition();
            m_key->setText(upper);
            m_key->setCursorPosition(cursor);
        }
    });
    m_aceptar->setObjectName(QStringLiteral("BAceptar001"));
    m_aceptar->setStatusTip(QStringLiteral("Confirmar selección"));
    m_cancelar->setObjectName(QStringLiteral("BCancelar002"));
    m_cancelar->setStatusTip(QStringLiteral("Cancelar Operación"));
    for (QPushButton *button : {m_aceptar, m_cancelar})
        button->setAutoDefault(false);
    connect(m_aceptar, &QPushButton::clicked, this, &Tk9PasswordForm::aceptar);
    connect(m_cancelar, &QPushButton::clicked, this, &Tk9PasswordForm::cancelar);

    m_lock->setObjectName(QStringLiteral("ImageCandado"));
    showLock(false);

    auto *fields = new QFormLayout;
    auto *userLabel = new QLabel(QStringLiteral("Nombre usuario :"), this);
    userLabel->setBuddy(m_user);
    auto *keyLabel = new QLabel(QStringLiteral("Clave:"), this);
    keyLabel->setBuddy(m_key);
    fields->addRow(userLabel, m_user);
    fields->addRow(keyLabel, m_key);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_aceptar);
    buttons->addWidget(m_cancelar);
    auto *right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch();
    right->addLayout(buttons);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(12, 12, 12, 8);
    body->setSpacing(14);
    body->addWidget(m_lock, 0, Qt::AlignTop);
    body->addLayout(right, 1);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    status->addPermanentWidget(panel(QStringLiteral("PanelComputador"), QSysInfo::machineHostName(), status));
    QLabel *caps = KeyLocks::makePanel(KeyLocks::Lock::Caps, QStringLiteral("MAYUSCULAS"), status);
    caps->setObjectName(QStringLiteral("PanelMayusculas"));
    status->addPermanentWidget(caps);
    QLabel *clock = panel(QStringLiteral("PanelHora"), QTime::currentTime().toString(regional().shortTimeFormat), status);
    status->addPermanentWidget(clock);
    auto *tick = new QTimer(this);
    connect(tick, &QTimer::timeout, clock,
            [clock] { clock->setText(QTime::currentTime().toString(regional().shortTimeFormat)); });
    tick->start(15000);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(status);
    setMinimumWidth(420);

    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(kCloseDelayMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QDialog::accept);

    setTabOrder(m_user, m_key);
    setTabOrder(m_key, m_aceptar);
    setTabOrder(m_aceptar, m_cancelar);
    m_key->setFocus();
}

Tk9PasswordForm::~Tk9PasswordForm() = default;

void Tk9PasswordForm::showLock(bool open)
{
    m_lockOpen = open;
    m_lock->setPixmap(lockImage(open, 56));
}

void Tk9PasswordForm::aceptar()
{
    if (m_accepted || m_endRequested)
        return;
    switch (m_check.attempt(m_user->text(), m_key->text(), m_clock())) {
    case LoginCheck::Outcome::Accepted:
        m_accepted = true;
        m_aceptar->setEnabled(false);
        m_cancelar->setEnabled(false);
        showLock(true);
        m_closeTimer->start();
        break;
    case LoginCheck::Outcome::Retry:
        QApplication::beep();
        m_key->setFocus();
        m_key->selectAll();
        break;
    case LoginCheck::Outcome::Blocked:
    case LoginCheck::Outcome::Refused:
        QApplication::beep();
        requestEnd();
        reject();
        break;
    }
}

void Tk9PasswordForm::cancelar()
{
    reject();
}

void Tk9PasswordForm::requestEnd()
{
    if (m_endRequested)
        return;
    m_endRequested = true;
    emit programEndRequested();
}

void Tk9PasswordForm::done(int /*result*/)
{
    // Leaving without an accepted user (Cancel, Escape, the close box) ends the program.
    if (!m_accepted)
        requestEnd();
    TEForm::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

void Tk9PasswordForm::keyPressEvent(QKeyEvent *event)
{
    // Enter in the password box is "&Aceptar"; elsewhere it moves on, as in every window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == m_key && !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        event->accept();
        aceptar();
        return;
    }
    TEForm::keyPressEvent(event);
}

} // namespace k9
