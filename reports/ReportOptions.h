#pragma once

#include <QDialog>
#include <QPrinter>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace reports {

// Where a report goes.
enum class Destination { Preview, Printer, File };

// What the user chose in the output options.
struct OutputChoice {
    Destination destination = Destination::Preview;
    QString file;          // the PDF file, for Destination::File
    int previewZoom = 100; // per cent, for Destination::Preview
};

// The output options of a report: where it goes (preview, preselected;
// printer; PDF file), and for the printer the copies, collation, duplex and
// the printer's own settings, which the dialog writes into `printer` when
// accepted. Titled "Talvero CRM".
class ReportOptions : public QDialog {
    Q_OBJECT
public:
    ReportOptions(QPrinter &printer, const QString &defaultFile, QWidget *parent = nullptr);

    OutputChoice choice() const;

    void accept() override;

private:
    void createLayout(const QString &defaultFile);
    void follow();
    void browse();
    void printerSettings();
    void showPrinter();

    QPrinter &m_printer;
    QRadioButton *m_preview = nullptr;
    QRadioButton *m_toPrinter = nullptr;
    QRadioButton *m_toFile = nullptr;
    QLineEdit *m_file = nullptr;
    QWidget *m_browse = nullptr;
    QLabel *m_printerName = nullptr;
    QWidget *m_settings = nullptr;
    QSpinBox *m_copies = nullptr;
    QCheckBox *m_collate = nullptr;
    QComboBox *m_duplex = nullptr;
    QComboBox *m_zoom = nullptr;
};

} // namespace reports
