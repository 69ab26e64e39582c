#include "ImportWindow.h"

#include "ExportTables.h"
#include "DialogButtons.h"
#include "FormParts.h"
#include "MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

namespace {

const QString kNotTaken = QStringLiteral("(不导入)");
// The window's size when it opens; the user may drag it larger or smaller.
constexpr QSize kStartingSize(760, 680);
enum MappingColumn { FileColumn, Field, FirstValue };
enum PreviewColumn { PreviewRow, PreviewResult, PreviewFirstField };

int columnCount(const FirstRows &rows)
{
    qsizetype most = 0;
    for (const auto &row : rows)
        most = std::max(most, row.second.size());
    return int(most);
}

QTableWidget *table(const QString &name, const QStringList &headings, QWidget *parent)
{
    auto *grid = new QTableWidget(0, int(headings.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headings);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    return grid;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text.left(200));
    item->setToolTip(text.left(1000));
    return item;
}

} // namespace

ImportWindow::ImportWindow(data::Connection &main, const QString &file, FirstRows rows, QWidget *parent)
    : QDialog(parent), m_main(main), m_rows(std::move(rows))
{
    ui::setUpWindow(this, QStringLiteral("import_excel"), QStringLiteral("从Excel导入"), ui::TitleBar::Resizable);
    setSizeGripEnabled(true);
    createLayout(file);
    connectActions();
    targetChosen();
    resize(sizeHint().expandedTo(kStartingSize));
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::createLayout(const QString &file)
{
    QGroupBox *what = ui::groupBox(QStringLiteral("导入"), this);
    auto *whatRows = new QGridLayout(what);
    auto *name = ui::valueLabel(what);
    name->setObjectName(QStringLiteral("fileName"));
    name->setText(QDir::toNativeSeparators(file));
    ui::FormGrid rows(what, whatRows);
    rows.add(QStringLiteral("文件:"), name, 3);
    rows.nextLine();
    m_targets = new QButtonGroup(this);
    auto *targetLine = new QHBoxLayout;
    const auto &targets = data::importTargets();
    for (int i = 0; i < int(targets.size()); ++i) {
        auto *button = new QRadioButton(targets[size_t(i)].caption, what);
        button->setObjectName(QStringLiteral("import_") + targets[size_t(i)].query);
        m_targets->addButton(button, i);
        targetLine->addWidget(button);
    }
    m_targets->button(0)->setChecked(true);
    targetLine->addStretch();
    rows.add(QStringLiteral("导入为:"), m_targets->button(0), targetLine);
    m_headings = new QCheckBox(QStringLiteral("第一行是列标题"), what);
    m_headings->setObjectName(QStringLiteral("headingCheck"));
    rows.addSpanning(m_headings, 1);

    QGroupBox *columns = ui::groupBox(QStringLiteral("文件中的列导入为"), this);
    m_mapping = table(QStringLiteral("mappingGrid"), {QStringLiteral("文件中的列"), QStringLiteral("导入为"),
                                                     QStringLiteral("第一条记录的值")},
                      columns);
    m_mapping->setMinimumSize(480, 120);
    m_mapping->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    (new QVBoxLayout(columns))->addWidget(m_mapping);

    QGroupBox *preview = ui::groupBox(QStringLiteral("前 %1 条记录导入后").arg(kPreviewRows), this);
    m_preview = table(QStringLiteral("previewGrid"), {}, preview);
    m_preview->setMinimumSize(480, 120);
    (new QVBoxLayout(preview))->addWidget(m_preview);

    QGroupBox *options = ui::groupBox(QStringLiteral("选项"), this);
    m_skipDuplicates = new QCheckBox(QStringLiteral("跳过与已有记录重复的行"), options);
    m_skipDuplicates->setObjectName(QStringLiteral("skipDuplicatesCheck"));
    m_skipDuplicates->setChecked(true);
    m_createCompanies = new QCheckBox(QStringLiteral("新建系统中还没有的公司"), options);
    m_createCompanies->setObjectName(QStringLiteral("createCompaniesCheck"));
    m_createCompanies->setChecked(true);
    auto *optionLine = new QHBoxLayout(options);
    optionLine->addWidget(m_skipDuplicates);
    optionLine->addWidget(m_createCompanies);
    optionLine->addStretch();

    QDialogButtonBox *buttons = ui::okCancelButtons(this, QStringLiteral("导 入"), [this] { tryAccept(); });

    // The two grids take what room the window is given.
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(what);
    outer->addWidget(columns, 1);
    outer->addWidget(preview, 1);
    outer->addWidget(options);
    outer->addWidget(buttons);
}

void ImportWindow::connectActions()
{
    connect(m_targets, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            targetChosen();
    });
    connect(m_headings, &QCheckBox::toggled, this, &ImportWindow::headingsChosen);
    connect(m_skipDuplicates, &QCheckBox::toggled, this, &ImportWindow::showPreview);
    connect(m_createCompanies, &QCheckBox::toggled, this, &ImportWindow::showPreview);
}

const data::ImportTarget &ImportWindow::target() const
{
    return data::importTargets()[size_t(std::max(0, m_targets->checkedId()))];
}

data::ImportChoices ImportWindow::choices() const
{
    data::ImportChoices c;
    c.headingRow = m_headings->isChecked();
    c.skipDuplicates = m_skipDuplicates->isChecked();
    c.createCompanies = m_createCompanies->isChecked();
    for (int row = 0; row < m_mapping->rowCount(); ++row) {
        auto *box = qobject_cast<QComboBox *>(m_mapping->cellWidget(row, Field));
        c.mapping << (box ? box->currentData().toString() : QString());
    }
    return c;
}

// The headings of the file's columns: the first row's cells, or "第 n 列".
QStringList ImportWindow::fileHeadings() const
{
    QStringList headings;
    const QStringList first = m_rows.empty() ? QStringList() : m_rows.front().second;
    for (int i = 0; i < columnCount(m_rows); ++i) {
        const QString own = m_headings->isChecked() ? first.value(i).trimmed() : QString();
        headings << (own.isEmpty() ? QStringLiteral("第 %1 列").arg(i + 1) : own);
    }
    return headings;
}

void ImportWindow::targetChosen()
{
    m_book = std::make_unique<data::ImportBook>(m_main, target());
    m_createCompanies->setVisible(!target().companyName.isEmpty());
    // The first row holds headings when any of its cells names a field.
    const QStringList first = m_rows.empty() ? QStringList() : m_rows.front().second;
    const QStringList matched = data::matchHeadings(target().record(), first);
    const bool headings = std::any_of(matched.begin(), matched.end(), [](const QString &c) { return !c.isEmpty(); });
    {
        QSignalBlocker quiet(m_headings);
        m_headings->setChecked(headings);
    }
    headingsChosen();
}

void ImportWindow::headingsChosen()
{
    const data::RecordDef &record = target().record();
    const QStringList headings = fileHeadings();
    const QStringList matched = m_headings->isChecked() ? data::matchHeadings(record, headings) : QStringList();
    const size_t firstRecord = m_headings->isChecked() ? 1 : 0;
    const QStringList values = firstRecord < m_rows.size() ? m_rows[firstRecord].second : QStringList();
    // The file's columns stay what they are: each keeps its drop-down, with the fields of the kind chosen.
    if (m_mapping->rowCount() != headings.size()) {
        m_mapping->setRowCount(int(headings.size()));
        for (int row = 0; row < headings.size(); ++row) {
            auto *box = new QComboBox(m_mapping);
            box->setObjectName(QStringLiteral("mapping_%1").arg(row));
            connect(box, &QComboBox::currentIndexChanged, this, &ImportWindow::showPreview);
            m_mapping->setCellWidget(row, Field, box);
        }
    }
    for (int row = 0; row < headings.size(); ++row) {
        m_mapping->setItem(row, FileColumn, cell(headings[row]));
        auto *box = qobject_cast<QComboBox *>(m_mapping->cellWidget(row, Field));
        QSignalBlocker quiet(box);
        box->clear();
        box->setAccessibleName(headings[row]);
        box->addItem(kNotTaken, QString());
        for (const data::FieldDef *f : data::importableFields(record))
            box->addItem(data::headingOf(f->caption), f->column);
        box->setCurrentIndex(std::max(0, box->findData(matched.value(row))));
        m_mapping->setItem(row, FirstValue, cell(values.value(row)));
    }
    showPreview();
}

void ImportWindow::showPreview()
{
    const data::ImportChoices c = choices();
    const data::RecordDef &record = target().record();
    // The verdict first, where it is seen whatever the number of columns.
    QStringList columns, headings{QStringLiteral("行"), QStringLiteral("结果")};
    for (const data::FieldDef *f : data::importableFields(record)) {
        if (c.mapping.contains(f->column)) {
            columns << f->column;
            headings << data::headingOf(f->caption);
        }
    }
    m_preview->clear();
    m_preview->setColumnCount(int(headings.size()));
    m_preview->setHorizontalHeaderLabels(headings);
    const size_t from = c.headingRow ? 1 : 0;
    const int shown = int(std::min<size_t>(kPreviewRows, m_rows.size() > from ? m_rows.size() - from : 0));
    m_preview->setRowCount(shown);
    // The rows are judged in their order, as the import will judge them: a
    // row like one above it is that row's duplicate.
    data::ImportBook book = *m_book;
    for (int i = 0; i < shown; ++i) {
        const auto &[number, cells] = m_rows[from + size_t(i)];
        const data::RowValues values = data::rowValues(c.mapping, cells);
        const data::ImportBook::Judgement j = book.judge(values, number, c);
        const QString result = j.verdict == data::ImportBook::Verdict::Add       ? QStringLiteral("添加")
                               : j.verdict == data::ImportBook::Verdict::Duplicate ? QStringLiteral("跳过: ") + j.reason
                                                                                   : QStringLiteral("拒绝: ") + j.reason;
        m_preview->setItem(i, PreviewRow, cell(QString::number(number)));
        m_preview->setItem(i, PreviewResult, cell(result));
        for (int k = 0; k < columns.size(); ++k)
            m_preview->setItem(i, PreviewFirstField + k, cell(data::insertedText(target(), values, columns[k])));
    }
    m_preview->resizeColumnsToContents();
}

void ImportWindow::tryAccept()
{
    const data::ImportChoices c = choices();
    // A field takes one column.
    for (const data::FieldDef *f : data::importableFields(target().record())) {
        if (c.mapping.count(f->column) > 1) {
            ui::MessageBox::warning(this, QStringLiteral("“%1”对应了不止一列,请只选其中一列").arg(data::headingOf(f->caption)));
            return;
        }
    }
    QStringList missing;
    for (const QString &column : target().required) {
        if (!c.mapping.contains(column))
            missing << QStringLiteral("“%1”").arg(data::headingOf(data::field(target().record(), column).caption));
    }
    if (!missing.isEmpty()) {
        ui::MessageBox::warning(this, QStringLiteral("必须填写的%1没有对应的列,请在“导入为”中选定").arg(missing.join(u'、')));
        return;
    }
    accept();
}

} // namespace app
