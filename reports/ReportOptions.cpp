#include "ReportOptions.h"

#include "DialogButtons.h"
#include "FormParts.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace reports {

namespace {

struct Duplex {
    const char *caption;
    QPrinter::DuplexMode mode;
};
const Duplex kDuplex[] = {
    {"单面打印", QPrinter::DuplexNone},
    {"双面打印(长边翻转)", QPrinter::DuplexLongSide},
    {"双面打印(短边翻转)", QPrinter::DuplexShortSide},
};
const int kZooms[] = {50, 75, 100, 150, 200};

QRadioButton *radio(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

ReportOptions::ReportOptions(QPrinter &printer, const QString &defaultFile, QWidget *parent)
    : QDialog(parent), m_printer(printer)
{
    ui::setUpWindow(this, QStringLiteral("ReportOptions"), QStringLiteral("Talvero CRM"));
    createLayout(defaultFile);
    follow();
}

void ReportOptions::createLayout(const QString &defaultFile)
{
    // Where the report goes.
    QGroupBox *where = ui::groupBox(QStringLiteral("输出到"), this);
    m_preview = radio(QStringLiteral("预览(&V)"), QStringLiteral("destinationPreview"), where);
    m_toPrinter = radio(QStringLiteral("打印机(&P)"), QStringLiteral("destinationPrinter"), where);
    m_toFile = radio(QStringLiteral("PDF 文件(&F)"), QStringLiteral("destinationFile"), where);
    m_preview->setChecked(true);
    m_file = ui::textBox(where, QStringLiteral("fileEdit"), ui::kNoLimit, 320);
    m_file->setText(QDir::toNativeSeparators(defaultFile));
    m_file->setAccessibleName(QStringLiteral("文件名"));
    auto *browse = new QPushButton(QStringLiteral("浏览..."), where);
    browse->setObjectName(QStringLiteral("browseButton"));
    m_browse = browse;
    auto *whereRows = new QGridLayout(where);
    whereRows->addWidget(m_preview, 0, 0);
    whereRows->addWidget(m_toPrinter, 1, 0);
    whereRows->addWidget(m_toFile, 2, 0);
    whereRows->addLayout(ui::fieldWithButton(m_file, m_browse), 2, 1);

    // The printer and its settings.
    QGroupBox *printing = ui::groupBox(QStringLiteral("打印"), this);
    m_printerName = ui::valueLabel(printing);
    m_printerName->setObjectName(QStringLiteral("printerName"));
    auto *settings = new QPushButton(QStringLiteral("打印机设置(&S)..."), printing);
    settings->setObjectName(QStringLiteral("printerButton"));
    m_settings = settings;
    m_copies = new QSpinBox(printing);
    m_copies->setObjectName(QStringLiteral("copiesSpin"));
    m_copies->setRange(1, 999);
    m_copies->setValue(std::max(1, m_printer.copyCount()));
    m_collate = new QCheckBox(QStringLiteral("逐份打印(&C)"), printing);
    m_collate->setObjectName(QStringLiteral("collateCheck"));
    m_collate->setChecked(m_printer.collateCopies());
    m_duplex = new QComboBox(printing);
    m_duplex->setObjectName(QStringLiteral("duplexCombo"));
    for (const Duplex &d : kDuplex) {
        m_duplex->addItem(QString::fromUtf8(d.caption), int(d.mode));
        if (d.mode == m_printer.duplex())
            m_duplex->setCurrentIndex(m_duplex->count() - 1);
    }
    auto *printRows = new QGridLayout(printing);
    ui::FormGrid rows(printing, printRows);
    rows.add(QStringLiteral("打印机:"), m_printerName);
    rows.addSpanning(m_settings, 1);
    rows.nextLine();
    rows.add(QStringLiteral("份数:"), m_copies);
    rows.addSpanning(m_collate, 1);
    rows.nextLine();
    rows.add(QStringLiteral("双面:"), m_duplex, 2);

    // How the preview opens.
    QGroupBox *previewing = ui::groupBox(QStringLiteral("预览"), this);
    m_zoom = new QComboBox(previewing);
    m_zoom->setObjectName(QStringLiteral("zoomCombo"));
    for (int zoom : kZooms) {
        m_zoom->addItem(QStringLiteral("%1%").arg(zoom), zoom);
        if (zoom == 100)
            m_zoom->setCurrentIndex(m_zoom->count() - 1);
    }
    ui::FormGrid(previewing, new QGridLayout(previewing)).add(QStringLiteral("显示比例:"), m_zoom);

    QDialogButtonBox *buttons = ui::okCancelButtons(this, QStringLiteral("确 定"), [this] { accept(); });

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(where);
    outer->addWidget(printing);
    outer->addWidget(previewing);
    outer->addWidget(buttons);

    for (QRadioButton *r : {m_preview, m_toPrinter, m_toFile})
        connect(r, &QRadioButton::toggled, this, &ReportOptions::follow);
    connect(browse, &QPushButton::clicked, this, &ReportOptions::browse);
    connect(settings, &QPushButton::clicked, this, &ReportOptions::printerSettings);
    showPrinter();
}

// Only the settings of the chosen destination can be changed.
void ReportOptions::follow()
{
    const bool file = m_toFile->isChecked(), printer = m_toPrinter->isChecked();
    m_file->setEnabled(file);
    m_browse->setEnabled(file);
    for (QWidget *w : std::initializer_list<QWidget *>{m_copies, m_collate, m_duplex})
        w->setEnabled(printer);
    m_zoom->setEnabled(m_preview->isChecked());
}

void ReportOptions::browse()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Talvero CRM"), m_file->text(),
                                                        QStringLiteral("PDF 文件 (*.pdf)"));
    if (!chosen.isEmpty())
        m_file->setText(QDir::toNativeSeparators(chosen));
}

void ReportOptions::printerSettings()
{
    m_printer.setCopyCount(m_copies->value());
    m_printer.setCollateCopies(m_collate->isChecked());
    m_printer.setDuplex(QPrinter::DuplexMode(m_duplex->currentData().toInt()));
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("Talvero CRM"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_copies->setValue(std::max(1, m_printer.copyCount()));
    m_collate->setChecked(m_printer.collateCopies());
    for (int i = 0; i < m_duplex->count(); ++i) {
        if (m_duplex->itemData(i).toInt() == int(m_printer.duplex()))
            m_duplex->setCurrentIndex(i);
    }
    m_toPrinter->setChecked(true);
    showPrinter();
}

void ReportOptions::showPrinter()
{
    QString name = m_printer.printerName();
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        name = m_printer.outputFileName().isEmpty() ? QStringLiteral("(未选定打印机)")
                                                    : QDir::toNativeSeparators(m_printer.outputFileName());
    m_printerName->setText(name);
}

void ReportOptions::accept()
{
    if (m_toFile->isChecked()) {
        QString file = m_file->text().trimmed();
        if (file.isEmpty()) {
            ui::MessageBox::warning(this, QStringLiteral("请指定要保存的文件"));
            m_file->setFocus();
            return;
        }
        if (QFileInfo(file).suffix().isEmpty())
            m_file->setText(file + QStringLiteral(".pdf"));
    }
    if (m_toPrinter->isChecked()) {
        m_printer.setCopyCount(m_copies->value());
        m_printer.setCollateCopies(m_collate->isChecked());
        m_printer.setDuplex(QPrinter::DuplexMode(m_duplex->currentData().toInt()));
    }
    QDialog::accept();
}

OutputChoice ReportOptions::choice() const
{
    OutputChoice c;
    c.destination = m_toFile->isChecked()      ? Destination::File
                    : m_toPrinter->isChecked() ? Destination::Printer
                                               : Destination::Preview;
    c.file = QDir::fromNativeSeparators(m_file->text().trimmed());
    c.previewZoom = m_zoom->currentData().toInt();
    return c;
}

} // namespace reports
