#pragma once

#include "controls/EForm.h"
#include "queries/LookupBrowser.h"

#include <QPointer>

class QComboBox;
class QFrame;
class QHeaderView;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollBar;
class QStandardItemModel;
class QTimer;
class QToolBar;
class QToolButton;

namespace k9 {

class TVorelListFocus;

// The generic browsing window over a LookupBrowser: the search box `TextSearch` in the bar
// "Busqueda :", the column header `Titulos`, the owner-drawn rows `ListItems` with the
// scroll bar `ScrollV` (page mode: the list shows one page, the scroll bar stands for the
// whole table), the search-column menu `MenuButtom`, the hint panel `PanelHint` shown while
// the scroll bar is dragged, the progress panel `PanelProgress` of long searches (a key or a
// click stops them), and the status bar with "Total registros : " + the count.
// Double click or Enter on a row chooses it; Escape or "&Salir" close without a choice.
class TVorelInfoForm : public TEForm
{
    Q_OBJECT

public:
    TVorelInfoForm(QWidget *parent, LookupBrowser &browser);
    ~TVorelInfoForm() override;

    LookupBrowser &browser() const { return m_browser; }
    // The choice made when the window closed (chosen == false when it was closed without).
    const LookupResult &choice() const { return m_choice; }

    // The visible rows of a page.
    int visibleRows() const { return m_visibleRows; }
    // The selected row of the list (-1 when none).
    int selectedRow() const;
    void selectRow(int row);
    // Runs the search of the search box with `text` (as Enter in the box does).
    void runSearch(const QString &text);
    // Chooses row `row` of the list and closes the window.
    void chooseRow(int row);
    // The hint panel's line for the first shown row: "caption: value" pairs that fit `width`.
    QString hintLine(int width) const;

protected:
    // Called once, from the most derived constructor: columns, tool bar, size, first page.
    void setUpBrowser();
    // Column widths and alignment of the header (Tk9InfoGeneralForm).
    virtual void setUpColumns() {}
    // Extra tool buttons (Tk9NInfoMainFileForm).
    virtual void setUpToolBar(QToolBar *) {}
    // Shows the browser's rows, scroll bar and count again.
    void updateView();

    QHeaderView *header() const { return m_header; }
    TVorelListFocus *list() const { return m_list; }
    QToolBar *toolBar() const { return m_toolBar; }

private:
    class Progress;
    class Filter;

    // Keys and mouse of the list, the scroll bar and the search box.
    bool filterEvent(QObject *watched, QEvent *event);
    void buildSearchMenu();
    void computeSize();
    bool handleListKey(int key);
    void scrollTo(int value);
    void showHint();
    void hideHint();

    LookupBrowser &m_browser;
    LookupResult m_choice;
    int m_visibleRows = LookupBrowser::kDefaultPageRows;
    QToolBar *m_toolBar;
    QToolButton *m_searchButton;
    QMenu *m_searchMenu;
    QComboBox *m_search;
    QHeaderView *m_header;
    QStandardItemModel *m_captions;
    TVorelListFocus *m_list;
    QScrollBar *m_scroll;
    QLabel *m_hint;
    QFrame *m_progressPanel;
    QLabel *m_progressLabel;
    QProgressBar *m_progressBar;
    QLabel *m_total;
    QTimer *m_hintTimer;
    std::unique_ptr<Progress> m_progress;
    Filter *m_filter;
    bool m_settingScroll = false;
    bool m_scrollPressed = false;
};

} // namespace k9
