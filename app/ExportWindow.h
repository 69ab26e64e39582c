#pragma once

#include <QDialog>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;
class TData_in;

namespace data {
struct ExportTable;
}

namespace app {

// 导出至Excel: which table goes out (the rows its list holds now) and into
// which file, a workbook (.xlsx) or comma-separated text (.csv), and the
// export itself. Accepted once the file is written: with a file name in a
// folder that exists, where a file of that name is there once the user
// agreed to replace it, and for a workbook a table that fits in a sheet (or
// else as .csv, when the user agrees). A file that cannot be written, or an
// export stopped with 取消, leaves the window open as it was.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    explicit ExportWindow(TData_in &data, QWidget *parent = nullptr);

    const data::ExportTable &table() const;
    QString file() const;

private:
    void createLayout(TData_in &data);
    void connectActions();
    void tableChosen();
    void formatChosen();
    void browse();
    void tryAccept();
    bool fitsTheFormat();
    bool exportTo(const QString &path);
    QString extension() const;

    TData_in &m_data;
    QButtonGroup *m_tables = nullptr;
    QComboBox *m_format = nullptr;
    QLineEdit *m_file = nullptr;
};

} // namespace app
