#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;

namespace k9 {

// What the item form designer stores for a text edit; it does not change the edit itself.
enum class TEdicion { Simple, Combo, SeleccionMultiple };

// The plain text edit, with an attached label above it. On leaving, the caret goes back
// to the start and, with FillCero, a code is padded with "0" on the left up to the maximum
// length ("42" in a field of 8 becomes "00000042"; an empty field stays empty).
class TVorelEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool FillCero READ FillCero WRITE setFillCero)
    Q_PROPERTY(int Elementos READ Elementos WRITE setElementos)

public:
    explicit TVorelEdit(QWidget *parent = nullptr);

    TEdicion TipoEdicion() const { return m_tipo; }
    void setTipoEdicion(TEdicion tipo) { m_tipo = tipo; }
    int Elementos() const { return m_elementos; }
    void setElementos(int count) { m_elementos = count; }
    bool FillCero() const { return m_fillCero; }
    void setFillCero(bool fill) { m_fillCero = fill; }

    // The label shown just above the edit (created on first use, in the same parent, with
    // the edit as its buddy); it moves, shows and hides with the edit.
    QLabel *attachedLabel();
    void setLabelText(const QString &text);

    // The FillCero padding of a text for a field of `maxLength` characters (0: no limit).
    static QString filledWithZeros(const QString &text, int maxLength);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeLabel();

    TEdicion m_tipo = TEdicion::Simple;
    int m_elementos = 0;
    bool m_fillCero = false;
    QLabel *m_label = nullptr;
};

} // namespace k9
