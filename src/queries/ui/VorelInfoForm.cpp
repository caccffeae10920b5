#include "queries/ui/VorelInfoForm.h"

#include "controls/ListRowDelegate.h"
#include "controls/VorelListFocus.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace k9 {

namespace {

const QString kSearching = QStringLiteral("Espere buscando...");
constexpr int kHintDelayMs = 150;

QString totalText(qint64 count)
{
    return QStringLiteral("Total registros : ") + QString::number(count);
}

} // namespace

// The progress panel of the word filter and the query search. While it is shown a key press
// or a mouse click anywhere stops the search (and goes no further).
class TVorelInfoForm::Progress : public QObject, public SearchProgress
{
public:
    explicit Progress(TVorelInfoForm &form) : m_form(form) {}

    void begin() override
    {
        m_stop = false;
        m_form.setBusy(true);
        m_form.m_progressLabel->setText(kSearching);
        QWidget *area = m_form.m_list;
        const QSize size = m_form.m_progressPanel->sizeHint();
        const QPoint centre = area->mapTo(&m_form, area->rect().center());
        m_form.m_progressPanel->setGeometry(QRect(centre - QPoint(size.width() / 2, size.height() / 2), size));
        m_form.m_progressPanel->show();
        m_form.m_progressPanel->raise();
        qApp->installEventFilter(this);
        m_clock.start();
        QCoreApplication::processEvents();
    }

    bool step(qint64 count) override
    {
        if (m_clock.elapsed() >= 50) {
            m_form.m_progressLabel->setText(kSearching + QStringLiteral("  ") + QString::number(count));
            QCoreApplication::processEvents();
            m_clock.restart();
        }
        return !m_stop;
    }

    void end() override
    {
        qApp->removeEventFilter(this);
        m_form.m_progressPanel->hide();
        m_form.setBusy(false);
    }

    bool stopped() const { return m_stop; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_stop = true;
            return true;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            return true;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TVorelInfoForm &m_form;
    QElapsedTimer m_clock;
    bool m_stop = false;
};

// The window's own filter on its list, scroll bar and search box (TEForm's eventFilter
// already watches the whole application).
class TVorelInfoForm::Filter : public QObject
{
public:
    explicit Filter(TVorelInfoForm &form) : QObject(&form), m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return m_form.filterEvent(watched, event) || QObject::eventFilter(watched, event);
    }

private:
    TVorelInfoForm &m_form;
};

TVorelInfoForm::TVorelInfoForm(QWidget *parent, LookupBrowser &browser)
    : TEForm(parent), m_browser(browser), m_toolBar(new QToolBar(this)), m_searchButton(new QToolButton(this)),
      m_searchMenu(new QMenu(this)), m_search(new QComboBox(this)), m_header(new QHeaderView(Qt::Horizontal, this)),
      m_captions(new QStandardItemModel(this)), m_list(new TVorelListFocus(this)),
      m_scroll(new QScrollBar(Qt::Vertical, this)), m_hint(new QLabel(this)), m_progressPanel(new QFrame(this)),
      m_progressLabel(new QLabel(m_progressPanel)), m_progressBar(new QProgressBar(m_progressPanel)),
      m_total(new QLabel(this)), m_hintTimer(new QTimer(this)), m_progress(std::make_unique<Progress>(*this)),
      m_filter(new Filter(*this))
{
    setWindowTitle(browser.caption());
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_searchButton->setObjectName(QStringLiteral("BBuscar"));
    m_searchButton->setText(QStringLiteral("&Buscar por"));
    m_searchButton->setPopupMode(QToolButton::InstantPopup);
    m_searchMenu->setObjectName(QStringLiteral("MenuButtom"));
    m_searchButton->setMenu(m_searchMenu);
    m_toolBar->addWidget(m_searchButton);
    auto *exit = m_toolBar->addAction(QStringLiteral("&Salir"), this, &QDialog::reject);
    exit->setObjectName(QStringLiteral("BSalir016"));

    auto *searchBar = new QFrame(this);
    searchBar->setObjectName(QStringLiteral("PanelBusqueda"));
    auto *searchLayout = new QHBoxLayout(searchBar);
    searchLayout->setContentsMargins(4, 2, 4, 2);
    auto *searchCaption = new QLabel(QStringLiteral("Busqueda :"), searchBar);
    m_search->setObjectName(QStringLiteral("TextSearch"));
    m_search->setEditable(true);
    m_search->setInsertPolicy(QComboBox::NoInsert);
    m_search->setMinimumWidth(250);
    searchCaption->setBuddy(m_search);
    searchLayout->addWidget(searchCaption);
    searchLayout->addWidget(m_search, 1);

    m_header->setObjectName(QStringLiteral("Titulos"));
    m_header->setModel(m_captions);
    m_header->setSectionsClickable(false);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(50);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QColor caption = palette().color(QPalette::Active, QPalette::Highlight);
    m_header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: white; "
                                           "border: 0px; border-right: 1px solid white; padding-left: 2px; }")
                                .arg(caption.name()));

    m_list->setObjectName(QStringLiteral("ListItems"));
    m_list->setHeader(m_header);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->rowDelegate()->setCellText([this](const QModelIndex &index, int section) {
        const QList<BrowserRow> &rows = m_browser.rows();
        return index.row() < rows.size() ? rows[index.row()].cells.value(section) : QString();
    });
    m_scroll->setObjectName(QStringLiteral("ScrollV"));

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(m_header, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(m_scroll, 1, 1);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    m_total->setObjectName(QStringLiteral("LabelTotal"));
    status->addPermanentWidget(m_total);
    QPalette statusPalette = status->palette();
    statusPalette.setColor(QPalette::Window, caption);
    statusPalette.setColor(QPalette::WindowText, Qt::white);
    status->setPalette(statusPalette);
    status->setAutoFillBackground(true);
    m_total->setPalette(statusPalette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(searchBar);
    layout->addLayout(grid, 1);
    layout->addWidget(status);

    m_hint->setObjectName(QStringLiteral("PanelHint"));
    m_hint->setFrameShape(QFrame::Box);
    m_hint->setAutoFillBackground(true);
    QPalette hintPalette = m_hint->palette();
    hintPalette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    m_hint->setPalette(hintPalette);
    m_hint->hide();

    m_progressPanel->setObjectName(QStringLiteral("PanelProgress"));
    m_progressPanel->setFrameShape(QFrame::Panel);
    m_progressPanel->setFrameShadow(QFrame::Raised);
    m_progressPanel->setAutoFillBackground(true);
    m_progressLabel->setObjectName(QStringLiteral("LabelUpdate"));
    m_progressBar->setRange(0, 0);
    auto *progressLayout = new QVBoxLayout(m_progressPanel);
    progressLayout->addWidget(m_progressLabel);
    progressLayout->addWidget(m_progressBar);
    m_progressPanel->setMinimumWidth(260);
    m_progressPanel->hide();

    m_hintTimer->setObjectName(QStringLiteral("TimerPanel"));
    m_hintTimer->setSingleShot(true);
    m_hintTimer->setInterval(kHintDelayMs);
    connect(m_hintTimer, &QTimer::timeout, this, &TVorelInfoForm::showHint);

    connect(m_scroll, &QScrollBar::valueChanged, this, &TVorelInfoForm::scrollTo);
    connect(m_scroll, &QScrollBar::sliderPressed, m_hintTimer, qOverload<>(&QTimer::start));
    connect(m_scroll, &QScrollBar::sliderReleased, this, &TVorelInfoForm::hideHint);
    connect(m_list, &QListWidget::doubleClicked, this, [this](const QModelIndex &index) { chooseRow(index.row()); });
    connect(m_search, &QComboBox::activated, this, [this](int index) { runSearch(m_search->itemText(index)); });
    connect(m_searchMenu, &QMenu::triggered, this, [this](QAction *action) {
        m_browser.chooseSearchEntry(action->data().toInt());
        m_search->clear();
        m_search->clearEditText();
        for (QAction *a : m_searchMenu->actions())
            a->setChecked(a == action);
        updateView();
        selectRow(0);
        m_list->setFocus();
    });

    m_list->installEventFilter(m_filter);
    m_list->viewport()->installEventFilter(m_filter);
    m_scroll->installEventFilter(m_filter);
    m_search->lineEdit()->installEventFilter(m_filter);
    m_browser.setProgress(m_progress.get());
}

TVorelInfoForm::~TVorelInfoForm()
{
    m_browser.setProgress(nullptr);
}

void TVorelInfoForm::setUpBrowser()
{
    m_captions->setColumnCount(static_cast<int>(m_browser.columns().size()));
    for (qsizetype c = 0; c < m_browser.columns().size(); ++c)
        m_captions->setHeaderData(static_cast<int>(c), Qt::Horizontal, m_browser.columns()[c].caption());
    setUpColumns();
    setUpToolBar(m_toolBar);
    buildSearchMenu();
    computeSize();
    m_browser.setPageRows(m_visibleRows);
    if (m_browser.mode() == LookupBrowser::Mode::Page)
        m_browser.refill();
    updateView();
    selectRow(0);
    m_list->setFocus();
}

void TVorelInfoForm::buildSearchMenu()
{
    m_searchMenu->clear();
    const QList<SearchEntry> &entries = m_browser.searchEntries();
    for (qsizetype e = 0; e < entries.size(); ++e) {
        QAction *action = m_searchMenu->addAction(entries[e].caption);
        action->setCheckable(true);
        action->setChecked(e == m_browser.currentSearchEntry());
        action->setData(static_cast<int>(e));
    }
    // Without a search column there is no search button.
    for (QAction *action : m_toolBar->actions())
        if (m_toolBar->widgetForAction(action) == m_searchButton)
            action->setVisible(!entries.isEmpty());
}

void TVorelInfoForm::computeSize()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int rowHeight = m_list->fontMetrics().height() + 3;
    const int frame = 2 * m_list->frameWidth();
    const int listWidth = m_header->length() + frame + m_scroll->sizeHint().width();
    const int width = qMin(available.width() * 9 / 10, listWidth);
    const bool sideways = m_header->length() + frame + m_scroll->sizeHint().width() > width;
    const int sidewaysBar = sideways ? m_list->horizontalScrollBar()->sizeHint().height() : 0;

    // The designed window: 18 rows; then as many more as fit up to 85 % of the screen.
    auto listHeight = [&](int rows) { return rows * rowHeight + frame + sidewaysBar; };
    m_list->setFixedHeight(listHeight(LookupBrowser::kDefaultPageRows));
    const int designed = sizeHint().height();
    const int room = available.height() * 85 / 100 - designed;
    m_visibleRows = LookupBrowser::kDefaultPageRows + qMax(0, room / rowHeight);
    m_list->setFixedHeight(listHeight(m_visibleRows));
    resize(qMax(width, minimumSizeHint().width()), sizeHint().height());
    setFixedHeight(sizeHint().height());
}

void TVorelInfoForm::updateView()
{
    const bool page = m_browser.mode() == LookupBrowser::Mode::Page;
    const int selected = selectedRow();
    const int shown = page ? static_cast<int>(qMin<qsizetype>(m_visibleRows, m_browser.rows().size()))
                           : static_cast<int>(m_browser.rows().size());
    m_list->setVerticalScrollBarPolicy(page ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_list->setUpdatesEnabled(false);
    if (shown == 0) {
        m_list->resetRows();
    } else {
        if (m_list->count() == 1 && !m_list->hasRows())
            m_list->clear();
        m_list->setEnabled(true);
        while (m_list->count() > shown)
            delete m_list->takeItem(m_list->count() - 1);
        while (m_list->count() < shown)
            m_list->addItem(QString());
        for (int r = 0; r < shown; ++r)
            m_list->item(r)->setText(m_browser.rows()[r].key);
        if (selected >= 0)
            selectRow(qMin(selected, shown - 1));
    }
    m_list->setUpdatesEnabled(true);
    m_list->viewport()->update();

    m_settingScroll = true;
    const bool scrolls = page && m_browser.recordCount() > m_visibleRows;
    m_scroll->setVisible(scrolls);
    m_scroll->setRange(0, scrolls ? static_cast<int>(m_browser.lastPosition()) : 0);
    m_scroll->setPageStep(m_visibleRows);
    m_scroll->setSingleStep(1);
    m_scroll->setValue(static_cast<int>(m_browser.position()));
    m_settingScroll = false;
    m_total->setText(totalText(m_browser.recordCount()));
    if (m_hint->isVisible())
        showHint();
}

int TVorelInfoForm::selectedRow() const
{
    if (!m_list->hasRows())
        return -1;
    return m_list->currentRow();
}

void TVorelInfoForm::selectRow(int row)
{
    if (!m_list->hasRows() || row < 0 || row >= m_list->count())
        return;
    m_list->setCurrentRow(row);
}

void TVorelInfoForm::scrollTo(int value)
{
    if (m_settingScroll)
        return;
    m_browser.moveTo(value);
    updateView();
}

void TVorelInfoForm::runSearch(const QString &text)
{
    if (!text.isEmpty() && m_search->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        m_search->addItem(text);
    // The word filter empties the box while it runs.
    const bool words = m_browser.managesFiltering() && text.contains(u'*') && !m_browser.hasQueryDefinition();
    if (words)
        m_search->setEditText(QString());
    m_browser.search(text);
    m_search->setEditText(text);
    updateView();
    selectRow(0);
}

void TVorelInfoForm::chooseRow(int row)
{
    if (row < 0 || row >= m_list->count() || !m_list->hasRows())
        return;
    m_choice = m_browser.choose(row);
    if (m_choice.chosen)
        accept();
}

QString TVorelInfoForm::hintLine(int width) const
{
    if (m_browser.rows().isEmpty())
        return QString();
    const BrowserRow &row = m_browser.rows().first();
    const QFontMetrics fm(m_hint->font());
    QString line;
    for (qsizetype c = 0; c < m_browser.columns().size(); ++c) {
        const QString pair = m_browser.columns()[c].caption() + QStringLiteral(": ") + row.cells.value(c).trimmed();
        const QString next = line.isEmpty() ? pair : line + QStringLiteral("  ") + pair;
        if (!line.isEmpty() && fm.horizontalAdvance(next) > width)
            break;
        line = next;
    }
    return line;
}

void TVorelInfoForm::showHint()
{
    if (!m_scrollPressed && !m_scroll->isSliderDown())
        return;
    const QRect area(m_list->mapTo(this, QPoint(0, 0)), m_list->size());
    m_hint->setText(hintLine(area.width() - 8));
    const int height = m_hint->sizeHint().height();
    m_hint->setGeometry(area.left(), area.top(), area.width(), height);
    m_hint->show();
    m_hint->raise();
}

void TVorelInfoForm::hideHint()
{
    m_scrollPressed = false;
    m_hintTimer->stop();
    m_hint->hide();
}

bool TVorelInfoForm::handleListKey(int key)
{
    const bool page = m_browser.mode() == LookupBrowser::Mode::Page;
    const int rows = m_list->hasRows() ? m_list->count() : 0;
    int row = qMax(0, selectedRow());
    switch (key) {
    case Qt::Key_PageDown:
        if (page)
            m_browser.pageDown();
        else
            row = qMin(rows - 1, row + m_visibleRows);
        break;
    case Qt::Key_PageUp:
        if (page)
            m_browser.pageUp();
        else
            row = qMax(0, row - m_visibleRows);
        break;
    case Qt::Key_Home:
        if (page)
            m_browser.firstPage();
        row = 0;
        break;
    case Qt::Key_End:
        if (page)
            m_browser.lastPage();
        row = page ? static_cast<int>(qMin<qsizetype>(m_visibleRows, m_browser.rows().size())) - 1 : rows - 1;
        break;
    case Qt::Key_Up:
        if (rows > 0)
            row = row > 0 ? row - 1 : (page ? rows - 1 : 0);
        break;
    case Qt::Key_Down:
        if (rows > 0)
            row = row < rows - 1 ? row + 1 : (page ? 0 : rows - 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        QScrollBar *bar = m_list->horizontalScrollBar();
        const int step = qMax(20, m_list->width() / 10);
        bar->setValue(bar->value() + (key == Qt::Key_Left ? -step : step));
        m_list->setFocus();
        return true;
    }
    default: return false;
    }
    updateView();
    selectRow(row);
    m_list->setFocus();
    return true;
}

bool TVorelInfoForm::filterEvent(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == m_search->lineEdit() && plain) {
            if (enter) {
                runSearch(m_search->currentText());
                return true;
            }
            switch (key->key()) {
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Up:
            case Qt::Key_Down: return handleListKey(key->key());
            default: break;
            }
        }
        if ((watched == m_list || watched == m_scroll) && plain) {
            if (enter && watched == m_list) {
                chooseRow(selectedRow());
                return true;
            }
            if (handleListKey(key->key()))
                return true;
        }
    }
    if (watched == m_list->viewport() && event->type() == QEvent::Wheel && m_browser.mode() == LookupBrowser::Mode::Page) {
        QCoreApplication::sendEvent(m_scroll, event);
        return true;
    }
    if (watched == m_scroll) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_scrollPressed = true;
            m_hintTimer->start();
        }
        else if (event->type() == QEvent::MouseButtonRelease)
            hideHint();
    }
    return false;
}

} // namespace k9
