#pragma once

// A company workspace made for the test and loaded as the program loads it, with the
// messages recorded and no work window registered.
#include "app/CommandRegistry.h"
#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Startup.h"
#include "data/Workspace.h"
#include "support/TestWorkspace.h"
#include "workspace/WorkspaceBuilder.h"

#include <QApplication>
#include <QtTest>

namespace k9::test {

struct AppWorkspace
{
    ScratchDir scratch;
    workspace::Dirs dirs{scratch.path()};

    AppWorkspace()
    {
        if (!workspace::createWorkspace(scratch.path()) || loadWorkspace(scratch.path()) != StartupResult::Ready)
            qFatal("no workspace");
    }
};

// Puts the process-wide state back between tests.
inline void resetProcessState()
{
    CommandRegistry::instance().clear();
    session() = UserSession();
}

// Calls `step` on the modal window of type T once it is up (from inside its event loop),
// polling every 10 ms for at most `timeoutMs`.
template<typename T, typename Step>
void whenModal(Step step, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    QObject::connect(timer, &QTimer::timeout, [timer, step, elapsed, timeoutMs]() mutable {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(window);
        } else if (elapsed->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace k9::test

#include "controls/EForm.h"
#include "controls/EsperaForm.h"

namespace k9::test {

// What a fake work window saw when it was shown.
struct ShownWindow
{
    int count = 0;
    bool modal = false;
    bool waitGone = false; // no wait window was left when it appeared
    QString title;
    int helpTopic = 0;
};

// A work window that records how it was shown and closes itself at once.
class FakeWindow : public TEForm
{
public:
    FakeWindow(QWidget *parent, ShownWindow *shown) : TEForm(parent), m_shown(shown) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        TEForm::showEvent(event);
        if (m_shown) {
            ++m_shown->count;
            m_shown->modal = isModal();
            m_shown->waitGone = parentWidget()->findChildren<TEsperaForm *>().isEmpty();
            m_shown->title = windowTitle();
            m_shown->helpTopic = helpTopic();
        }
        QTimer::singleShot(0, this, &QDialog::reject);
    }

private:
    ShownWindow *m_shown;
};

// The text of the wait window `owner` shows now ("<none>" without one).
inline QString waitTextOf(QWidget *owner)
{
    const auto waits = owner->findChildren<TEsperaForm *>();
    if (waits.size() != 1 || !waits.front()->isVisible())
        return QStringLiteral("<none>");
    return waits.front()->text();
}

} // namespace k9::test
