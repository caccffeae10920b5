#pragma once

#include "printformats/FormatFields.h"
#include "printformats/FormatCatalog.h"
#include "printformats/PrintDocument.h"

#include "controls/EForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace k9 {

// The print window of one format ("Imprimiendo Formas"). Its "Config" page (printer, copies,
// title, currency box) is shown when the format asks before printing; otherwise the window
// prints as soon as it is shown and closes. The copies and printer accepted are written back
// into the entry.
class TVorelPrintFormatosForm : public TEForm
{
    Q_OBJECT

public:
    enum class Outcome { Pending, Printed, Cancelled, NotPrinted, Failed };

    TVorelPrintFormatosForm(QWidget *owner, FormatEntry &entry, const PrintDocument &document,
                            const SystemValues &system, bool reprint, bool singleFormat, bool neverAsk);

    // Whether the "Config" page is shown before printing.
    bool asksBeforePrinting() const { return m_asks; }
    Outcome outcome() const { return m_outcome; }
    const QString &failure() const { return m_failure; }

    // The copy caption the next print starts with ("Original" or "Reimpresión").
    QString copyCaption() const;

public slots:
    void aceptar();
    void cancelar();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildPrintPage();
    QWidget *buildConfigPage();
    void fillPrinters();
    void print();

    FormatEntry &m_entry;
    const PrintDocument &m_document;
    SystemValues m_system;
    bool m_reprint;
    bool m_singleFormat;
    bool m_asks;
    bool m_started = false;
    Outcome m_outcome = Outcome::Pending;
    QString m_failure;

    QStackedWidget *m_pages = nullptr;
    QWidget *m_printPage = nullptr;
    QWidget *m_configPage = nullptr;
    QLabel *m_labelUpdate = nullptr;
    QComboBox *m_comboPrinter = nullptr;
    QSpinBox *m_editCopias = nullptr;
    QLineEdit *m_editTitulo = nullptr;
    QCheckBox *m_checkMonedas = nullptr;
    QPushButton *m_aceptar = nullptr;
};

} // namespace k9
