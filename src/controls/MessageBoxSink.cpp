#include "controls/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace k9 {

Answer MessageBoxSink::show(MessageKind kind, const QString &text, MessageButtons buttons)
{
    QMessageBox box(m_parent ? m_parent : QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationName());
    box.setText(text);
    switch (kind) {
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == MessageButtons::Ok) {
        box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

} // namespace k9
