#include "app/CommandRegistry.h"

#include <QString>

namespace k9 {

CommandRegistry &CommandRegistry::instance()
{
    static CommandRegistry registry;
    return registry;
}

void CommandRegistry::setFactory(CommandId id, Factory factory)
{
    if (factory)
        m_factories.insert(static_cast<int>(id), std::move(factory));
    else
        m_factories.remove(static_cast<int>(id));
}

void CommandRegistry::setItemDetailHooks(Hook ensure, Hook drop)
{
    m_ensureItemDetail = std::move(ensure);
    m_dropItemDetail = std::move(drop);
}

void CommandRegistry::ensureItemDetail(QWidget *mainWindow) const
{
    if (m_ensureItemDetail)
        m_ensureItemDetail(mainWindow);
}

void CommandRegistry::dropItemDetail(QWidget *mainWindow) const
{
    if (m_dropItemDetail)
        m_dropItemDetail(mainWindow);
}

QString reminderCaption(bool appointmentsOption, bool tasksOption, bool pendingAppointments, bool pendingTasks)
{
    if (!(appointmentsOption && pendingAppointments) && !(tasksOption && pendingTasks))
        return QString();
    if (appointmentsOption && tasksOption)
        return QStringLiteral("Citas y Tareas Pendientes");
    return appointmentsOption ? QStringLiteral("Citas Pendientes") : QStringLiteral("Tareas Pendientes");
}

void CommandRegistry::clear()
{
    m_factories.clear();
    m_reminders = nullptr;
    m_ensureItemDetail = nullptr;
    m_dropItemDetail = nullptr;
}

} // namespace k9
