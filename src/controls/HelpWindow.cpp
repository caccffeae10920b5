#include "controls/HelpWindow.h"

#include "data/Workspace.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>

namespace k9 {

namespace {

QString topicHtml(const HelpTopic &topic)
{
    QString html = QStringLiteral("<h2>") + topic.title.toHtmlEscaped() + QStringLiteral("</h2>");
    for (const QString &paragraph : topic.text.split(QStringLiteral("\n\n"))) {
        QString p = paragraph.trimmed().toHtmlEscaped();
        p.replace(u'\n', QStringLiteral("<br>"));
        if (!p.isEmpty())
            html += QStringLiteral("<p>") + p + QStringLiteral("</p>");
    }
    return html;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent, Qt::Window), m_index(new QListWidget(this)), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda de k9RMA"));
    setModal(false);
    m_index->setObjectName(QStringLiteral("ListaTemas"));
    m_browser->setObjectName(QStringLiteral("TextoAyuda"));
    m_browser->setOpenExternalLinks(false);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_index);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(720, 480);
    connect(m_index, &QListWidget::currentRowChanged, this, &HelpWindow::showIndex);
}

bool HelpWindow::load()
{
    const QString path = paths().ArchivoAyuda;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_problem = QStringLiteral("No se encontró el archivo de ayuda %1.").arg(path);
        setTopics({});
        return false;
    }
    m_problem.clear();
    setTopics(parseHelpFile(QString::fromUtf8(file.readAll())));
    return true;
}

void HelpWindow::setTopics(const QList<HelpTopic> &topics)
{
    m_topics = topics;
    const QSignalBlocker blocker(m_index);
    m_index->clear();
    for (const HelpTopic &t : m_topics)
        m_index->addItem(t.title.isEmpty() ? QString::number(t.number) : t.title);
}

void HelpWindow::showTopic(int number)
{
    for (qsizetype i = 0; i < m_topics.size(); ++i) {
        if (m_topics[i].number == number) {
            m_index->setCurrentRow(static_cast<int>(i));
            showIndex(static_cast<int>(i));
            return;
        }
    }
    m_current = 0;
    QString html = QStringLiteral("<p>")
                   + (m_problem.isEmpty() ? QStringLiteral("El tema de ayuda %1 no existe.").arg(number) : m_problem)
                         .toHtmlEscaped()
                   + QStringLiteral("</p>");
    if (!m_topics.isEmpty())
        html += QStringLiteral("<p>Elija un tema de la lista.</p>");
    m_browser->setHtml(html);
}

void HelpWindow::showIndex(int row)
{
    if (row < 0 || row >= m_topics.size())
        return;
    m_current = m_topics[row].number;
    m_browser->setHtml(topicHtml(m_topics[row]));
    setWindowTitle(QStringLiteral("Ayuda - ") + m_topics[row].title);
}

HelpWindow *HelpWindow::open(QWidget *owner, int number)
{
    auto *window = owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window)
        window = new HelpWindow(owner);
    window->load();
    window->showTopic(number);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace k9
