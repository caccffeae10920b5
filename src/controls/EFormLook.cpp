// The look TEForm gives its controls, and the clearing of editors.
#include "controls/ButtonGlyphs.h"
#include "controls/EForm.h"
#include "controls/VorelNumberEdit.h"
#include "core/Globals.h"
#include "core/Regional.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>

namespace k9 {

namespace {

// The flat look: editors with a thin single line instead of the sunken 3-D frame.
const QString kFlatLook = QStringLiteral(
    "QLineEdit, QComboBox, QAbstractSpinBox, QPlainTextEdit, QTextEdit { border: 1px solid #808080; }");

bool isInnerEdit(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    return parent && (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent));
}

// Shapes whose tag is below this limit are shown only in the flat look.
constexpr int kFlatShapeTagLimit = 1000;

} // namespace

void TEForm::prepareWindow()
{
    if (m_prepared)
        return;
    m_prepared = true;
    const bool threeD = session().Activar3D;

    for (QTabWidget *tabs : findChildren<QTabWidget *>()) {
        if (tabs->count() > 0)
            tabs->setCurrentIndex(0);
    }
    if (!threeD)
        setStyleSheet(styleSheet() + kFlatLook);

    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->window() != this)
            continue;
        // Decorative shapes (plain frames with a "tag") belong to the flat look only.
        if (w->metaObject() == &QFrame::staticMetaObject && w->property("tag").isValid()) {
            if (w->height() > 10 && w->width() > 1 && w->property("tag").toInt() < kFlatShapeTagLimit)
                w->setVisible(!threeD);
            continue;
        }
        if (auto *number = qobject_cast<TVorelNumberEdit *>(w)) {
            if (number->VorelNumberObject()->Decimales() > 0) {
                number->VorelNumberObject()->setDecimales(regional().amountDecimals);
                number->SetInitText(number->InitText());
            }
            continue;
        }
        // Only a default button the window chose counts (mode B); the window itself presses
        // a focused button on Enter.
        if (auto *push = qobject_cast<QPushButton *>(w))
            push->setAutoDefault(false);
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (button && !qobject_cast<QCheckBox *>(w) && !qobject_cast<QRadioButton *>(w))
            applyButtonGlyph(button);
    }
}

void TEForm::clearEditors(QWidget *container)
{
    if (!container)
        return;
    const QWidget *window = container->window();
    for (QWidget *w : container->findChildren<QWidget *>()) {
        if (w->window() != window) // the pop-ups of the controls
            continue;
        if (auto *number = qobject_cast<TVorelNumberEdit *>(w)) {
            number->SetInitText(0.0);
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (!isInnerEdit(edit))
                edit->clear();
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->clear();
        } else if (auto *text = qobject_cast<QTextEdit *>(w)) {
            if (!qobject_cast<QTextBrowser *>(w))
                text->clear();
        }
    }
}

} // namespace k9
