#include "ExportWindow.h"

#include "DbError.h"
#include "ExportTables.h"
#include "FileChoice.h"
#include "DialogButtons.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WorkProgress.h"
#include "XlsxWrite.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace app {

namespace {

const QString kTitle = QStringLiteral("导出至Excel");

struct Format {
    const char *caption;
    const char *extension;
    const char *filter;
};
const Format kFormats[] = {
    {"Excel 工作簿 (.xlsx)", ".xlsx", "Excel 工作簿 (*.xlsx)"},
    {"逗号分隔的文本 (.csv)", ".csv", "逗号分隔的文本 (*.csv)"},
};
constexpr int kCsvFormat = 1;

// The file name offered for a table: its caption and the day.
QString offeredName(const data::ExportTable &table, const QString &extension)
{
    return table.caption + u'-' + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + extension;
}

} // namespace

ExportWindow::ExportWindow(TData_in &data, QWidget *parent) : QDialog(parent), m_data(data)
{
    ui::setUpWindow(this, QStringLiteral("export_excel"), kTitle);
    createLayout(data);
    connectActions();
    m_file->setText(QDir::toNativeSeparators(QDir(ui::documentsFolder()).filePath(offeredName(table(), extension()))));
}

void ExportWindow::createLayout(TData_in &data)
{
    QGroupBox *what = ui::groupBox(QStringLiteral("导出哪些记录"), this);
    auto *choices = new QGridLayout(what);
    m_tables = new QButtonGroup(this);
    const auto &tables = data::exportTables();
    for (int i = 0; i < int(tables.size()); ++i) {
        const data::ExportTable &t = tables[size_t(i)];
        const int rows = data.query(t.query).count();
        auto *button = new QRadioButton(QStringLiteral("%1 (%2 条)").arg(t.caption).arg(rows), what);
        button->setObjectName(QStringLiteral("export_") + t.query);
        m_tables->addButton(button, i);
        choices->addWidget(button, i / 2, i % 2);
    }
    m_tables->button(0)->setChecked(true);
    choices->addWidget(ui::plainText(QStringLiteral("导出列表里现有的记录:搜索之后,只导出搜索到的记录。"), what),
                       int(tables.size() + 1) / 2, 0, 1, 2);

    QGroupBox *where = ui::groupBox(QStringLiteral("导出到"), this);
    m_format = new QComboBox(where);
    m_format->setObjectName(QStringLiteral("formatCombo"));
    for (const Format &f : kFormats)
        m_format->addItem(QString::fromUtf8(f.caption));
    m_file = ui::textBox(where, QStringLiteral("fileEdit"), ui::kNoLimit, 360);
    auto *browse = new QPushButton(QStringLiteral("浏览..."), where);
    browse->setObjectName(QStringLiteral("browseButton"));
    connect(browse, &QPushButton::clicked, this, &ExportWindow::browse);
    ui::FormGrid rows(where, new QGridLayout(where));
    rows.add(QStringLiteral("格式:"), m_format);
    rows.nextLine();
    rows.add(QStringLiteral("文件:"), m_file, ui::fieldWithButton(m_file, browse));

    QDialogButtonBox *buttons = ui::okCancelButtons(this, QStringLiteral("导 出"), [this] { tryAccept(); });

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(what);
    outer->addWidget(where);
    outer->addWidget(buttons);
}

void ExportWindow::connectActions()
{
    connect(m_tables, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            tableChosen();
    });
    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportWindow::formatChosen);
}

const data::ExportTable &ExportWindow::table() const
{
    return data::exportTables()[size_t(std::max(0, m_tables->checkedId()))];
}

QString ExportWindow::file() const
{
    const QString typed = m_file->text().trimmed();
    return typed.isEmpty() ? QString() : QFileInfo(QDir::fromNativeSeparators(typed)).absoluteFilePath();
}

QString ExportWindow::extension() const
{
    return QString::fromLatin1(kFormats[std::max(0, m_format->currentIndex())].extension);
}

// Another table: the offered name follows, in the same folder.
void ExportWindow::tableChosen()
{
    const QString folder = file().isEmpty() ? ui::documentsFolder() : QFileInfo(file()).absolutePath();
    m_file->setText(QDir::toNativeSeparators(QDir(folder).filePath(offeredName(table(), extension()))));
}

// Another format: the file keeps its name and takes the format's ending.
void ExportWindow::formatChosen()
{
    const QString path = file();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    m_file->setText(QDir::toNativeSeparators(info.absoluteDir().filePath(info.completeBaseName() + extension())));
}

void ExportWindow::browse()
{
    const Format &format = kFormats[std::max(0, m_format->currentIndex())];
    QString filters;
    for (const Format &f : kFormats)
        filters += (filters.isEmpty() ? QString() : QStringLiteral(";;")) + QString::fromUtf8(f.filter);
    QString chosenFilter = QString::fromUtf8(format.filter);
    const QString start = file().isEmpty() ? ui::documentsFolder() : file();
    QString path = QFileDialog::getSaveFileName(this, kTitle, start, filters, &chosenFilter,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    for (int i = 0; i < int(std::size(kFormats)); ++i) {
        if (chosenFilter == QString::fromUtf8(kFormats[i].filter))
            m_format->setCurrentIndex(i);
    }
    if (!path.endsWith(extension(), Qt::CaseInsensitive))
        path += extension();
    m_file->setText(QDir::toNativeSeparators(path));
}

void ExportWindow::tryAccept()
{
    QString path = file();
    if (path.isEmpty()) {
        ui::MessageBox::warning(this, QStringLiteral("请输入要导出到的文件名"));
        m_file->setFocus();
        return;
    }
    // A name with a format's ending takes that format; any other name the chosen one's ending.
    bool named = false;
    for (int i = 0; i < int(std::size(kFormats)) && !named; ++i) {
        if (path.endsWith(QString::fromLatin1(kFormats[i].extension), Qt::CaseInsensitive)) {
            QSignalBlocker keepName(m_format);
            m_format->setCurrentIndex(i);
            named = true;
        }
    }
    if (!named) {
        path += extension();
        m_file->setText(QDir::toNativeSeparators(path));
    }
    const QFileInfo target(path);
    if (!target.absoluteDir().exists()) {
        ui::MessageBox::warning(this, QStringLiteral("文件夹\"%1\"不存在").arg(QDir::toNativeSeparators(target.absolutePath())));
        m_file->setFocus();
        return;
    }
    if (target.isDir()) {
        ui::MessageBox::warning(this, QStringLiteral("\"%1\"是一个文件夹,请输入文件名").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!fitsTheFormat())
        return;
    path = file();
    if (!ui::confirmReplace(this, kTitle, path))
        return;
    if (exportTo(path))
        accept();
}

// A workbook's sheet holds so many rows and no more: a table of more is
// offered as comma-separated text before any work is done.
bool ExportWindow::fitsTheFormat()
{
    const int rows = m_data.query(table().query).count();
    if (extension() != QLatin1String(".xlsx") || rows <= data::kXlsxRows)
        return true;
    if (!ui::MessageBox::question(this, kTitle,
                                  QStringLiteral("%1有 %2 条记录,超过一个 Excel 工作表最多能放的 %3 条。\n"
                                                 "要改为导出为逗号分隔的文本 (.csv) 吗?")
                                      .arg(table().caption)
                                      .arg(rows)
                                      .arg(data::kXlsxRows)))
        return false;
    m_format->setCurrentIndex(kCsvFormat); // the name takes its ending
    return true;
}

// Writes the rows, with a progress window whose 取消 leaves nothing. A file
// that cannot be written is said so, and the window stays as it is.
bool ExportWindow::exportTo(const QString &path)
{
    const data::ExportTable &t = table();
    const data::StandingQuery &query = m_data.query(t.query);
    try {
        ui::WorkProgress progress(QStringLiteral("正在导出%1...").arg(t.caption), query.count(), this);
        return data::exportRows(query, t, path, [&](int row) { return progress.step(row); });
    } catch (const data::DbError &e) {
        ui::MessageBox::error(this, QStringLiteral("导出失败: %1").arg(e.message()));
        return false;
    }
}

} // namespace app
