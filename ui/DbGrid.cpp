#include "DbGrid.h"

#include "MessageBox.h"
#include "StandingQuery.h"

#include <QKeyEvent>
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
        option.textAlignment = Qt::AlignCenter;
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
    }

private:
    DbGrid *m_grid;
};

DbGrid::DbGrid(QWidget *parent) : QTableView(parent)
{
    setHorizontalHeader(new TitledHeader(this));
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setResizeContentsPrecision(0);
    setWordWrap(false);
}

void DbGrid::bind(data::StandingQuery *query, std::vector<GridColumn> columns, GridOptions options)
{
    m_query = query;
    m_columns = std::move(columns);
    m_options = options;

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
    connect(query, &QAbstractItemModel::modelReset, this, &DbGrid::applyLayout);
    connect(query, &data::StandingQuery::currentRowChanged, this, &DbGrid::followCurrentRow);
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
}

void DbGrid::flushEditor()
{
    if (!m_editor)
        return;
    QWidget *editor = m_editor;
    m_editor = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
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
