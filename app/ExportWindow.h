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
// which file, a workbook (.xlsx) or comma-separated text (.csv). Accepted
// only with a file name in a folder that exists, and, where a file of that
// name is there, once the user agreed to replace it.
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
    QString extension() const;

    QButtonGroup *m_tables = nullptr;
    QComboBox *m_format = nullptr;
    QLineEdit *m_file = nullptr;
};

} // namespace app
