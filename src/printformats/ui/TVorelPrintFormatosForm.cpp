#include "printformats/ui/TVorelPrintFormatosForm.h"

#include "core/Globals.h"
#include "printformats/FormatPrinting.h"
#include "printformats/ui/PrintDestination.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace k9 {

TVorelPrintFormatosForm::TVorelPrintFormatosForm(QWidget *owner, FormatEntry &entry, const PrintDocument &document,
                                                 const SystemValues &system, bool reprint, bool singleFormat,
                                                 bool neverAsk)
    : TEForm(owner),
      m_entry(entry),
      m_document(document),
      m_system(system),
      m_reprint(reprint),
      m_singleFormat(singleFormat),
      m_asks(entry.params.asksBeforePrinting() && !neverAsk && !printsToDirectory())
{
    setObjectName(QStringLiteral("TVorelPrintFormatosForm"));
    setWindowTitle(QStringLiteral("Imprimiendo Formas"));
    setModal(true);

    m_pages = new QStackedWidget(this);
    m_printPage = buildPrintPage();
    m_configPage = buildConfigPage();
    m_pages->addWidget(m_printPage);
    m_pages->addWidget(m_configPage);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    const QString title = entry.params.title.isEmpty() ? entry.baseName : entry.params.title;
    setWindowTitle(title);
    m_editTitulo->setText(title.left(30));
}

QString TVorelPrintFormatosForm::copyCaption() const
{
    return m_reprint ? captionReprint() : captionOriginal();
}

QWidget *TVorelPrintFormatosForm::buildPrintPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Imprimir"));
    m_labelUpdate = new QLabel(QStringLiteral("Espere Imprimiendo ..."), page);
    m_labelUpdate->setObjectName(QStringLiteral("LabelUpdate"));
    auto *animation = new QProgressBar(page);
    animation->setObjectName(QStringLiteral("Animacion"));
    animation->setRange(0, 0);
    animation->setTextVisible(false);
    auto *cancel = new QPushButton(QStringLiteral("&Cancelar"), page);
    cancel->setObjectName(QStringLiteral("BCancelarImprimir002"));
    connect(cancel, &QPushButton::clicked, this, &TVorelPrintFormatosForm::cancelar);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_labelUpdate);
    layout->addWidget(animation);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    return page;
}

QWidget *TVorelPrintFormatosForm::buildConfigPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Config"));
    m_comboPrinter = new QComboBox(page);
    m_comboPrinter->setObjectName(QStringLiteral("ComboPrinter"));
    m_editCopias = new QSpinBox(page);
    m_editCopias->setObjectName(QStringLiteral("Edit_Copias"));
    m_editCopias->setRange(1, 999);
    m_editCopias->setValue(std::clamp(static_cast<int>(m_entry.params.copies), 1, 999));
    m_editTitulo = new QLineEdit(page);
    m_editTitulo->setObjectName(QStringLiteral("Edit_Titulo"));
    m_editTitulo->setMaxLength(30);
    m_editTitulo->setEnabled(false); // called from documents
    m_checkMonedas = new QCheckBox(QStringLiteral("Imprimir los formatos siempre en la moneda nacional"), page);
    m_checkMonedas->setObjectName(QStringLiteral("CheckMonedas"));
    m_checkMonedas->setChecked(m_entry.params.nationalCurrency);
    m_checkMonedas->setVisible(session().FlagMonedas);
    m_aceptar = new QPushButton(QStringLiteral("&Aceptar"), page);
    m_aceptar->setObjectName(QStringLiteral("BAceptar001"));
    m_aceptar->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancelar"), page);
    cancel->setObjectName(QStringLiteral("BCancelar002"));
    connect(m_aceptar, &QPushButton::clicked, this, &TVorelPrintFormatosForm::aceptar);
    connect(cancel, &QPushButton::clicked, this, &TVorelPrintFormatosForm::cancelar);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Impresora :"), m_comboPrinter);
    form->addRow(QStringLiteral("Número de copias :"), m_editCopias);
    form->addRow(QStringLiteral("Titulo Reporte :"), m_editTitulo);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_aceptar);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(m_checkMonedas);
    layout->addLayout(buttons);
    fillPrinters();
    return page;
}

void TVorelPrintFormatosForm::fillPrinters()
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    m_comboPrinter->addItems(printers);
    const QString stored = m_entry.params.printerName.trimmed();
    int selected = -1;
    for (int i = 0; i < printers.size() && !stored.isEmpty(); ++i)
        if (printers[i].startsWith(stored, Qt::CaseInsensitive)) {
            selected = i;
            break;
        }
    if (selected < 0)
        selected = static_cast<int>(printers.indexOf(QPrinterInfo::defaultPrinterName()));
    if (selected >= 0)
        m_comboPrinter->setCurrentIndex(selected);
    else if (!stored.isEmpty())
        m_comboPrinter->setEditText(stored);
    m_comboPrinter->setEnabled(!m_entry.params.fixedPrinter);
}

void TVorelPrintFormatosForm::showEvent(QShowEvent *event)
{
    TEForm::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    if (m_asks) {
        m_pages->setCurrentWidget(m_configPage);
        if (m_comboPrinter->isEnabled())
            m_comboPrinter->setFocus();
        else
            m_editCopias->setFocus();
        return;
    }
    m_pages->setCurrentWidget(m_printPage);
    QTimer::singleShot(0, this, &TVorelPrintFormatosForm::print);
}

void TVorelPrintFormatosForm::aceptar()
{
    const int copies = m_editCopias->value();
    if (copies <= 0) {
        m_outcome = Outcome::Cancelled;
        reject();
        return;
    }
    m_entry.params.copies = copies;
    if (!m_comboPrinter->currentText().isEmpty())
        m_entry.params.printerName = m_comboPrinter->currentText();
    setWindowTitle(m_entry.params.printerName);
    m_pages->setCurrentWidget(m_printPage);
    m_labelUpdate->setText(QStringLiteral("Espere imprimiendo ... ") + m_entry.params.printerName);
    print();
}

void TVorelPrintFormatosForm::cancelar()
{
    if (m_outcome == Outcome::Pending)
        m_outcome = Outcome::Cancelled;
    reject();
}

void TVorelPrintFormatosForm::print()
{
    if (m_outcome != Outcome::Pending)
        return;
    PrintSettings settings;
    settings.copies = m_entry.params.copies;
    settings.printerName = m_comboPrinter->currentText().isEmpty() ? m_entry.params.printerName
                                                                   : m_comboPrinter->currentText();
    settings.reprint = m_reprint;
    settings.singleFormat = m_singleFormat;
    const std::unique_ptr<JobOutput> output = openJobOutput(settings.printerName, m_document.kind, m_document.number);
    const FormatPrintResult result = printFormat(m_entry, m_document, m_system, settings, *output);
    m_failure = result.message;
    switch (result.outcome) {
    case FormatPrintResult::Outcome::Printed:
        m_outcome = Outcome::Printed;
        accept();
        return;
    case FormatPrintResult::Outcome::NotPrinted:
        m_outcome = Outcome::NotPrinted;
        break;
    case FormatPrintResult::Outcome::Failed:
        m_outcome = Outcome::Failed;
        break;
    }
    reject();
}

} // namespace k9
