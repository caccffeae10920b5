#pragma once

#include <QPlainTextEdit>

namespace k9 {

// The memo of the module's windows. Enter makes a new line, except on an empty line or
// once the memo holds MaxLineas lines (when MaxLineas is above 0): then, in a TEForm, Enter
// moves to the next field. Up leaves the memo only from its first line, Down only when the
// next line is empty (or there is none). The memo does not scroll: typing stops when the
// visible box is full.
class TMemoVorel : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(int MaxLineas READ MaxLineas WRITE setMaxLineas)

public:
    explicit TMemoVorel(QWidget *parent = nullptr);

    int MaxLineas() const { return m_maxLineas; }
    void setMaxLineas(int lines) { m_maxLineas = qMax(0, lines); }

    // Where the caret is now, whether these keys leave the memo.
    bool enterLeaves() const;
    bool upLeaves() const;
    bool downLeaves() const;
    // Whether the text is taller than the visible box.
    bool isOverfull() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Runs an edit and undoes it when the text no longer fits the box.
    template<typename Edit>
    void editWithinBox(Edit edit);
    bool inForm() const;

    int m_maxLineas = 0;
};

} // namespace k9
