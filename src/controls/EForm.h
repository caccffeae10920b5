#pragma once

#include "controls/HelpWindow.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStatusBar>

class QAction;

namespace k9 {

// The base of every work window. It gives them the same keyboard:
// - Enter moves to the next field (Shift+Enter to the previous one; the tab order wraps).
//   Mode A (the default): a focused button is pressed, anything else moves on. Mode B: the
//   window's default button, if it has one, is pressed; otherwise Enter moves on.
// - Up and Down move between line edits, check boxes and buttons; combos, lists, spin
//   boxes, calendars and the like keep their own meaning; a TMemoVorel lets go of them at
//   its first line and before an empty line.
// - Escape closes the window, unless a list is dropped down, a calendar is in use or the
//   window refuses it; a busy window refuses to close.
// - Ctrl+P prints the window itself (PrintTarget: the print dialog, or a PDF file under
//   K9RMA_PRINT_DIR); F1 opens the window's help topic.
// - Shift with a number or date edit: Shift+Down opens the calculator; other keys that
//   move the caret or select are not taken.
// It also shows hints in the window's status bar, offers "&Imprimir Forma" in the window's
// context menu (when the user's HIDEPRINTER preference is set), holds the F2-F12 actions,
// shows the standard messages, and, before it is first shown, gives its controls their
// look: first page of each tab widget, amount decimals, the 3-D or flat look, and button
// glyphs by name (ButtonGlyphs.h).
class TEForm : public QDialog
{
    Q_OBJECT

public:
    enum class EnterMode { A, B };

    explicit TEForm(QWidget *parent = nullptr, int helpTopic = 0);
    ~TEForm() override;

    EnterMode enterMode() const { return m_enterMode; }
    void setEnterMode(EnterMode mode) { m_enterMode = mode; }
    int helpTopic() const { return m_helpTopic; }
    void setHelpTopic(int topic) { m_helpTopic = topic; }
    // A busy window (a save or a search running) cannot be closed.
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    bool refusesEscape() const { return m_refusesEscape; }
    void setRefusesEscape(bool refuses) { m_refusesEscape = refuses; }
    bool wasShown() const { return m_shown; }

    // The status-line hint: the first panel of the window's status bar shows `text`.
    void ShowHintText(const QString &text);
    // The hint of a control: its status tip, else its tool tip.
    static QString hintOf(const QWidget *control);
    // Shows the hint of `control` in the status bar of its TEForm (if it is in one).
    static void showHintFor(QWidget *control);
    // Shows `text` in the status bar of the active window, when that is a TEForm.
    static void showHintOnActiveForm(const QString &text);

    // Standard message `entry` (StandardMessages.h), shown from the event loop.
    void showStandardMessage(int entry);

    // Clears the editors inside `container`: number edits show 0, combos their first item,
    // date and text edits and memos are emptied.
    static void clearEditors(QWidget *container);

    // The function-key action Fn (n = 2..12). The actions start disabled: a window that uses
    // one connects it and enables it.
    QAction *functionKeyAction(int n) const;
    void uncheckFunctionKeys();
    // "&Imprimir Forma", offered in the context menu when HIDEPRINTER is set.
    QAction *printFormAction() const { return m_printAction; }

    // Prints the window (Ctrl+P). On failure shows standard message 38. Answers whether it
    // printed; the PDF written, if any, is lastPrintFile().
    bool printForm();
    const QString &lastPrintFile() const { return m_lastPrintFile; }
    // Opens the help window on the window's topic (F1).
    void showHelp();
    HelpWindow *helpWindow() const { return m_help; }

    // Gives the controls their look (done once, before the window is first shown).
    void prepareWindow();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    // Moves the focus to the next (previous) field in the tab order.
    void moveFocus(bool forward);

private:
    // Sees every key of the application first and passes on those meant for this window.
    class KeyPreview;

    bool previewKey(QWidget *target, QKeyEvent *event);
    bool escapeBlocked(QWidget *focus) const;
    QStatusBar *statusBar();

    EnterMode m_enterMode = EnterMode::A;
    int m_helpTopic = 0;
    bool m_busy = false;
    bool m_refusesEscape = false;
    bool m_shown = false;
    bool m_prepared = false;
    QList<QAction *> m_functionKeys;
    QAction *m_printAction;
    QPointer<QStatusBar> m_statusBar;
    QPointer<HelpWindow> m_help;
    QString m_lastPrintFile;
};

} // namespace k9
