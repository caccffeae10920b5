#pragma once

#include "app/CommandTable.h"

#include <QHash>

#include <functional>

class QDialog;
class QWidget;

namespace k9 {

// What the reminder hook hands back: the reminder window (created, its pending items
// loaded, not shown) and whether it found pending appointments and tasks.
struct ReminderWindow
{
    QDialog *window = nullptr;
    bool pendingAppointments = false;
    bool pendingTasks = false;
};

// The caption of the reminder window for the options FC_AVISOCITAS and FC_AVISOTAREA and
// what it found pending: "Citas y Tareas Pendientes" (both options), "Citas Pendientes" or
// "Tareas Pendientes". Empty when nothing the options ask for is pending: the window is
// then not shown.
QString reminderCaption(bool appointmentsOption, bool tasksOption, bool pendingAppointments, bool pendingTasks);

// The work windows the main menu can open, and the hooks of the windows that live outside
// one command. Each work window registers its factory once, before the main window is
// built (registerWorkWindows()); a command without a factory is shown disabled.
//
//   CommandRegistry::instance().setFactory(CommandId::Recepcion,
//       [](QWidget *parent) { return new Tk9RecepcionForm(parent); });
//
// A factory creates the window owned by `parent` and answers it (not shown); it answers
// nullptr when the window declines to open (it has already told the user why); it throws
// when it fails. The mode of the window (budget or service, appointments or tasks, report
// number) is in commandDef(id); the dispatch gives the window the caption and help topic
// of the table.
class CommandRegistry
{
public:
    using Factory = std::function<QDialog *(QWidget *parent)>;
    using ReminderFactory = std::function<ReminderWindow(QWidget *parent)>;
    using Hook = std::function<void(QWidget *mainWindow)>;

    static CommandRegistry &instance();

    void setFactory(CommandId id, Factory factory);
    Factory factory(CommandId id) const { return m_factories.value(static_cast<int>(id)); }
    bool hasFactory(CommandId id) const { return m_factories.contains(static_cast<int>(id)); }

    // Step 5 of the log-in: the pending appointments and tasks. Without it nothing is shown.
    void setReminderFactory(ReminderFactory factory) { m_reminders = std::move(factory); }
    const ReminderFactory &reminderFactory() const { return m_reminders; }

    // The reception item detail window kept for the whole process: `ensure` creates it when
    // it does not exist (at start-up and before the reception, consultation, budget and
    // service commands); `drop` frees it and the field-layout window (before "&Formas").
    void setItemDetailHooks(Hook ensure, Hook drop);
    void ensureItemDetail(QWidget *mainWindow) const;
    void dropItemDetail(QWidget *mainWindow) const;

    // Forgets every registration (tests).
    void clear();

private:
    CommandRegistry() = default;

    QHash<int, Factory> m_factories;
    ReminderFactory m_reminders;
    Hook m_ensureItemDetail;
    Hook m_dropItemDetail;
};

// Registers the work windows built so far (called once by main, before the main window).
void registerWorkWindows();

} // namespace k9
