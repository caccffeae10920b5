#pragma once

#include "controls/EForm.h"

class QLabel;
class QMenuBar;
class QToolBar;

namespace k9 {

class MenuConfigTree;

// The base of the menu window: a bar with the menu and the tool bar, a work area with
// three background pictures (ImageCentro centred, ImageDown at the bottom centred in the
// room left of ImageRight, ImageRight at the bottom 15 pixels from the right edge), the
// menu-configuration tree (hidden until asked for), and the status bar MenuStatusBar with
// the hint, the computer name, the date (PanelFecha: FechaTrabajo) and the time.
// Escape does not close it.
class TVorelFileMenuForm : public TEForm
{
    Q_OBJECT

public:
    explicit TVorelFileMenuForm(QWidget *parent = nullptr, int helpTopic = 0);

    QMenuBar *menuBar() const { return m_menuBar; }
    QToolBar *toolBar() const { return m_toolBar; }
    QStatusBar *menuStatusBar() const { return m_statusBar; }
    // The area below the bars, where the pictures lie and a window may put its own widgets.
    QWidget *workArea() const { return m_workArea; }
    QLabel *imageCentro() const { return m_imageCentro; }
    QLabel *imageDown() const { return m_imageDown; }
    QLabel *imageRight() const { return m_imageRight; }
    void setImages(const QPixmap &centre, const QPixmap &down, const QPixmap &right);
    QLabel *panelFecha() const { return m_panelFecha; }

    MenuConfigTree *menuConfigTree() const { return m_tree; }
    // Shows the tree (built from the menu bar as it is now) or hides it.
    void showMenuConfig(bool show);

    // Places the pictures for the work area's present size.
    void placeImages();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateClock();

    QMenuBar *m_menuBar;
    QToolBar *m_toolBar;
    QWidget *m_workArea;
    QLabel *m_imageCentro;
    QLabel *m_imageDown;
    QLabel *m_imageRight;
    MenuConfigTree *m_tree;
    QStatusBar *m_statusBar;
    QLabel *m_panelFecha;
    QLabel *m_panelHora;
};

} // namespace k9
