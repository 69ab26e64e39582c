#pragma once

#include "ImportRun.h"

#include <QDialog>
#include <memory>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QTableWidget;

namespace data {
class Connection;
}

namespace app {

// The first rows of a file, each with its number in the file.
using FirstRows = std::vector<std::pair<int, QStringList>>;

// 从Excel导入, once the file is chosen: what its rows become. The user picks
// customers or companies, says whether the first row holds headings, and
// confirms or changes the field each column goes to (matched by heading to
// begin with); the first rows show what each becomes and whether it would be
// added, skipped as a duplicate or refused, and why. Accepted only when
// every field the new window requires has a column.
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    ImportWindow(data::Connection &main, const QString &file, FirstRows rows, QWidget *parent = nullptr);
    ~ImportWindow() override;

    const data::ImportTarget &target() const;
    data::ImportChoices choices() const;

    // The rows shown in the preview.
    static constexpr int kPreviewRows = 10;

private:
    void createLayout(const QString &file);
    void connectActions();
    void targetChosen();   // new fields, new matching
    void headingsChosen(); // the first row as headings or as a record
    void showPreview();
    void tryAccept();
    QStringList fileHeadings() const;

    data::Connection &m_main;
    FirstRows m_rows;
    std::unique_ptr<data::ImportBook> m_book;
    QButtonGroup *m_targets = nullptr;
    QCheckBox *m_headings = nullptr;
    QCheckBox *m_skipDuplicates = nullptr;
    QCheckBox *m_createCompanies = nullptr;
    QTableWidget *m_mapping = nullptr;
    QTableWidget *m_preview = nullptr;
};

} // namespace app
