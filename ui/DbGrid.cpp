#include "DbGrid.h"

#include "ColumnCheck.h"
#include "GridAccessible.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TextLimit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPainter>

namespace ui {

// Draws each cell in its column's look and tells the grid when an editor opens.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DbGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const GridColumn *look = m_grid->columnFor(index.column());
        if (!look)
            return;
        const GridColumn &c = *look;
        option->displayAlignment = c.alignment;
        if (c.bold)
            option->font.setBold(true);
        if (c.pixelSize > 0)
            option->font.setPixelSize(c.pixelSize);
        if (c.foreground.isValid())
            option->palette.setColor(QPalette::Text, c.foreground);
        if (c.background.isValid())
            option->backgroundBrush = c.background;
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_grid->editorOpened(editor);
        return editor;
    }

    // The query's edit buffer follows the typing (see editorOpened()); handing
    // the same text back to the editor would only move its cursor to the end.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QByteArray property = editor->metaObject()->userProperty().name();
        if (!property.isEmpty() && editor->property(property).toString() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

    // A cell editor hands back its text whether or not the user changed it.
    // An unchanged text is no edit: a new row left empty stays untouched, and
    // is dropped when it is left.
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QByteArray property = editor->metaObject()->userProperty().name();
        if (editor->property(property).toString() == model->data(index, Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    DbGrid *m_grid;
};

// Column titles come from the grid's own columns, so that grids over one
// query can title the same field differently.
class TitledHeader : public QHeaderView {
public:
    TitledHeader(DbGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid) { setSectionsClickable(false); }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = logicalIndex;
        const GridColumn *look = m_grid->columnFor(logicalIndex);
        option.text = look ? look->title : QString();
        option.textAlignment = look ? look->titleAlignment : Qt::AlignCenter;
        const QFont font = painter->font();
        if (look && look->titleBold) {
            QFont bold = font;
            bold.setBold(true);
            painter->setFont(bold);
        }
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->setFont(font);
    }

private:
    DbGrid *m_grid;
};

// The row indicator at the left: a narrow strip that marks the current row,
// with a star while that row holds a change not yet posted.
class IndicatorHeader : public QHeaderView {
public:
    explicit IndicatorHeader(DbGrid *grid) : QHeaderView(Qt::Vertical, grid), m_grid(grid)
    {
        setSectionsClickable(false);
        setMinimumWidth(kWidth); // the sections have no titles to take their width from
    }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = logicalIndex;
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
        const data::StandingQuery *query = m_grid->query();
        if (!query || logicalIndex != query->currentRow())
            return;
        painter->save();
        const QColor mark = palette().color(QPalette::WindowText);
        if (query->state() != data::StandingQuery::State::Insert && !query->isModified()) {
            const QPointF c = QRectF(rect).center();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(mark);
            painter->drawPolygon(QPolygonF{{c.x() - 2.5, c.y() - 4}, {c.x() + 2.5, c.y()}, {c.x() - 2.5, c.y() + 4}});
        } else {
            painter->setPen(mark);
            painter->drawText(rect, Qt::AlignCenter, QStringLiteral("*"));
        }
        painter->restore();
    }

private:
    static constexpr int kWidth = 12;
    DbGrid *m_grid;
};

DbGrid::DbGrid(QWidget *parent) : QTableView(parent)
{
    installGridAccessibility();
    setHorizontalHeader(new TitledHeader(this));
    setVerticalHeader(new IndicatorHeader(this));
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setResizeContentsPrecision(0);
    setWordWrap(false);
}

void DbGrid::bind(data::StandingQuery *query, std::vector<GridColumn> columns, GridOptions options)
{
    for (const GridColumn &column : columns)
        data::checkColumn(*query, column.field);
    m_query = query;
    m_columns = std::move(columns);
    m_options = options;
    // A grid not on screen, over a query whose rows nothing has asked for
    // yet, leaves them unread until it is first shown or the query reads
    // them anyway: a view the user has not opened costs no reading.
    if (isVisible() || !query->rowsPending()) {
        attach();
        return;
    }
    connect(
        query, &data::StandingQuery::refreshed, this,
        [this] {
            if (!m_attached)
                attach();
        },
        Qt::SingleShotConnection);
}

void DbGrid::showEvent(QShowEvent *event)
{
    if (m_query && !m_attached)
        attach();
    QTableView::showEvent(event);
}

void DbGrid::attach()
{
    m_attached = true;
    data::StandingQuery *query = m_query;
    const GridOptions &options = m_options;
    setModel(query);                  // set once; refreshes reset the model, never replace it
    QItemSelectionModel *own = selectionModel();
    setSelectionModel(query->cursor()); // one current row for every control on this query
    if (own && own != query->cursor())
        own->deleteLater();

    setSelectionBehavior(options.wholeRowSelect ? SelectRows : SelectItems);
    setSelectionMode(SingleSelection);
    setEditTriggers(options.readOnly ? NoEditTriggers
                                     : EditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed | SelectedClicked));
    horizontalHeader()->setVisible(options.titles);
    verticalHeader()->setVisible(options.indicator);
    setShowGrid(options.rowLines || options.columnLines);
    if (options.rowLines && !options.columnLines)
        setStyleSheet(QStringLiteral("QTableView { gridline-color: transparent; } QTableView::item { border-bottom: 1px solid #d8d8d8; }"));

    applyLayout();
    followCurrentRow(query->currentRow()); // the query may have been open before this grid
    connect(query, &QAbstractItemModel::modelReset, this, &DbGrid::applyLayout);
    connect(query, &data::StandingQuery::currentRowChanged, this, &DbGrid::followCurrentRow);
    QWidget *indicator = verticalHeader()->viewport();
    connect(query, &data::StandingQuery::currentRowChanged, indicator, [indicator] { indicator->update(); });
    connect(query, &data::StandingQuery::stateChanged, indicator, [indicator] { indicator->update(); });
    connect(query, &data::StandingQuery::aboutToPost, this, &DbGrid::flushEditor);
    connect(query, &data::StandingQuery::stateChanged, this, [this] {
        // A new row is typed into at once.
        if (m_query->state() == data::StandingQuery::State::Insert && !m_options.readOnly && isVisible() && !m_editor) {
            const QModelIndex cell = m_query->index(m_query->currentRow(), logicalIndexOf(0));
            if (cell.isValid())
                edit(cell);
        }
    });
}

const GridColumn *DbGrid::columnFor(int logical) const
{
    if (logical < 0 || size_t(logical) >= m_columnOfField.size() || m_columnOfField[size_t(logical)] < 0)
        return nullptr;
    return &m_columns[size_t(m_columnOfField[size_t(logical)])];
}

void DbGrid::applyLayout()
{
    if (!m_query)
        return;
    const int count = m_query->columnCount();
    m_columnOfField.assign(size_t(count), -1);
    QHeaderView *header = horizontalHeader();
    // The header widens a column narrower than its minimum section size,
    // which follows the font (some 40 pixels in the program's); every column
    // keeps the width it was given.
    for (const GridColumn &column : m_columns) {
        if (column.width > 0 && column.width < header->minimumSectionSize())
            header->setMinimumSectionSize(column.width);
    }
    for (int c = 0; c < count; ++c)
        header->setSectionHidden(c, true);
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const int logical = m_query->fieldIndex(m_columns[i].field);
        if (logical < 0)
            continue;
        m_columnOfField[size_t(logical)] = int(i);
        header->setSectionHidden(logical, false);
        header->moveSection(header->visualIndex(logical), int(i));
        if (m_columns[i].width > 0)
            header->resizeSection(logical, m_columns[i].width);
    }
}

int DbGrid::logicalIndexOf(int visual) const
{
    return horizontalHeader()->logicalIndex(visual);
}

void DbGrid::followCurrentRow(int row)
{
    if (row < 0)
        return;
    // The shared current cell may sit in a column this grid does not show.
    QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && isColumnHidden(current.column())) {
        current = m_query->index(row, logicalIndexOf(0));
        selectionModel()->QItemSelectionModel::setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
    if (current.isValid() && isVisible())
        scrollTo(current);
}

void DbGrid::editorOpened(QWidget *editor)
{
    m_editor = editor;
    if (m_query && m_query->state() == data::StandingQuery::State::Browse && m_query->count() > 0)
        guarded(this, [this] { m_query->edit(); });
    // Each keystroke goes to the edit buffer, so that the row counts as changed
    // (and the navigator offers to post it) while the user is still typing.
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        limitText(line, kNoLimit); // a cell takes text of any length
        connect(line, &QLineEdit::textEdited, this, [this, line] { commitData(line); });
    }
}

void DbGrid::flushEditor()
{
    if (!m_editor)
        return;
    // m_editor stays set while the text is handed over, so that the change
    // of state it causes does not open a second editor.
    QWidget *editor = m_editor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DbGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // The editor lingers until deleted later; from now on it is not open.
    if (editor == m_editor)
        m_editor = nullptr;
    QTableView::closeEditor(editor, hint);
    // Escape in a cell: what was typed has already reached the edit buffer,
    // so the row's unposted changes go with it (a new row is dropped).
    if (hint == QAbstractItemDelegate::RevertModelCache && m_query
        && m_query->state() != data::StandingQuery::State::Browse)
        m_query->cancel();
}

void DbGrid::keyPressEvent(QKeyEvent *event)
{
    if (!m_options.readOnly && m_query) {
        if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
            if (!m_options.confirmDelete || MessageBox::confirmDelete(this))
                guarded(this, [this] { m_query->deleteCurrent(); });
            return;
        }
        if (event->key() == Qt::Key_Insert) {
            guarded(this, [this] { m_query->insert(); });
            return;
        }
        if (event->key() == Qt::Key_Escape && m_query->state() != data::StandingQuery::State::Browse && !m_editor) {
            m_query->cancel();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void DbGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_options.readOnly)
        emit rowDoubleClicked();
}

} // namespace ui
