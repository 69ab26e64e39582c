#include "GridAccessible.h"

#include "DbGrid.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QWindow>

#include <functional>

namespace ui {

namespace {

// The title the grid gives a model column; empty for a column it does not show.
QString titleOf(const DbGrid *grid, int column)
{
    const GridColumn *look = grid->columnFor(column);
    return look ? look->title : QString();
}

// The items a grid or its header hands out, one per place, kept until their
// owner goes, so that a client finds the same item again. An item stands for
// a place (row and column), not for the data in it, so that nothing it holds
// goes stale when the query is refreshed.
class ItemCache {
public:
    ~ItemCache()
    {
        for (QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface *get(int row, int column, const std::function<QAccessibleInterface *()> &make)
    {
        const auto found = m_ids.constFind({row, column});
        if (found != m_ids.constEnd())
            return QAccessible::accessibleInterface(found.value());
        QAccessibleInterface *item = make();
        m_ids.insert({row, column}, QAccessible::registerAccessibleInterface(item));
        return item;
    }

private:
    QHash<QPair<int, int>, QAccessible::Id> m_ids;
};

class GridTable;
GridTable *tableOf(DbGrid *grid);

// One place of the grid: a cell, a column header (row -1), a row indicator
// (column -1) or the corner between the two headers.
class GridItem : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridItem(DbGrid *grid, QWidget *owner, int row, int column)
        : m_grid(grid), m_owner(owner), m_row(row), m_column(column)
    {
    }

    int row() const { return m_row; }
    int column() const { return m_column; }
    bool isCell() const { return m_row >= 0 && m_column >= 0; }

    bool isValid() const override
    {
        if (!m_grid || !m_owner || !m_grid->model())
            return false;
        return m_row < m_grid->model()->rowCount() && m_column < m_grid->model()->columnCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessible::Role role() const override
    {
        if (isCell())
            return QAccessible::Cell;
        if (m_row < 0 && m_column >= 0)
            return QAccessible::ColumnHeader;
        if (m_column < 0 && m_row >= 0)
            return QAccessible::RowHeader;
        return QAccessible::Pane;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        if (isCell())
            return index().data(Qt::DisplayRole).toString();
        if (m_row < 0 && m_column >= 0)
            return titleOf(m_grid, m_column);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (isCell()) {
            const QRect cell = m_grid->visualRect(index());
            return cell.isValid() ? QRect(m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()) : QRect();
        }
        if (m_row >= 0 || m_column >= 0) {
            const QHeaderView *header = m_row < 0 ? m_grid->horizontalHeader() : m_grid->verticalHeader();
            const int section = m_row < 0 ? m_column : m_row;
            if (!header->isVisible() || header->isSectionHidden(section))
                return {};
            const int at = header->sectionViewportPosition(section);
            const QPoint origin = header->viewport()->mapToGlobal(m_row < 0 ? QPoint(at, 0) : QPoint(0, at));
            const int size = header->sectionSize(section);
            return m_row < 0 ? QRect(origin, QSize(size, header->height())) : QRect(origin, QSize(header->width(), size));
        }
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.disabled = !m_grid->isEnabled();
        if (m_column >= 0 && m_grid->isColumnHidden(m_column))
            s.invisible = true;
        if (isCell()) {
            s.selectable = true;
            s.focusable = true;
            const QModelIndex here = index();
            s.selected = m_grid->selectionModel() && m_grid->selectionModel()->isSelected(here);
            s.focused = m_grid->hasFocus() && m_grid->currentIndex() == here;
            if (!s.invisible && !m_grid->viewport()->rect().intersects(m_grid->visualRect(here)))
                s.offscreen = true;
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface && isCell())
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    // As a table cell.
    bool isSelected() const override
    {
        return isValid() && m_grid->selectionModel() && m_grid->selectionModel()->isSelected(index());
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    QAccessibleInterface *table() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }

private:
    QModelIndex index() const { return m_grid->model()->index(m_row, m_column); }

    QPointer<DbGrid> m_grid;
    QPointer<QWidget> m_owner; // the grid, or its header for the header's own items
    int m_row;
    int m_column;
};

// The grid as a table: one header row, one indicator column, then the cells
// of every model column (those the grid hides are invisible).
class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(DbGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    QAccessibleInterface *item(int row, int column)
    {
        return m_items.get(row, column, [&] { return new GridItem(grid(), grid(), row, column); });
    }

    int childCount() const override { return grid()->model() ? (rowCount() + 1) * (columnCount() + 1) : 0; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const int width = columnCount() + 1;
        return self()->item(index / width - 1, index % width - 1);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *item = dynamic_cast<const GridItem *>(child);
        if (!item || !child->parent() || child->parent()->object() != grid())
            return -1;
        return (item->row() + 1) * (columnCount() + 1) + item->column() + 1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint global(x, y);
        const QModelIndex index = grid()->indexAt(grid()->viewport()->mapFromGlobal(global));
        if (index.isValid())
            return self()->item(index.row(), index.column());
        const QHeaderView *header = grid()->horizontalHeader();
        const QPoint inHeader = header->viewport()->mapFromGlobal(global);
        if (header->isVisible() && header->viewport()->rect().contains(inHeader)) {
            const int section = header->logicalIndexAt(inHeader.x());
            if (section >= 0)
                return self()->item(-1, section);
        }
        return nullptr;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
            return nullptr;
        return self()->item(row, column);
    }
    int selectedCellCount() const override { return int(selectedIndexes().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (const QModelIndex &index : selectedIndexes())
            cells.append(self()->item(index.row(), index.column()));
        return cells;
    }
    QString columnDescription(int column) const override { return titleOf(grid(), column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return grid()->model() ? grid()->model()->columnCount() : 0; }
    int rowCount() const override { return grid()->model() ? grid()->model()->rowCount() : 0; }
    QList<int> selectedColumns() const override
    {
        QList<int> columns;
        if (QItemSelectionModel *selection = grid()->selectionModel()) {
            for (const QModelIndex &index : selection->selectedColumns())
                columns.append(index.column());
        }
        return columns;
    }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        if (QItemSelectionModel *selection = grid()->selectionModel()) {
            for (const QModelIndex &index : selection->selectedRows())
                rows.append(index.row());
        }
        return rows;
    }
    bool isColumnSelected(int column) const override
    {
        return grid()->selectionModel() && grid()->selectionModel()->isColumnSelected(column, {});
    }
    bool isRowSelected(int row) const override
    {
        return grid()->selectionModel() && grid()->selectionModel()->isRowSelected(row, {});
    }
    // Selecting a row makes it the current row, as a click does; a disabled
    // grid (a delete panel is up) keeps its row.
    bool selectRow(int row) override
    {
        if (!grid()->isEnabled() || row < 0 || row >= rowCount() || !grid()->selectionModel())
            return false;
        const QModelIndex first = grid()->model()->index(row, grid()->horizontalHeader()->logicalIndex(0));
        grid()->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return grid()->selectionModel()->isRowSelected(row, {});
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Items stand for places, so a change of the rows leaves them right.
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    DbGrid *grid() const { return static_cast<DbGrid *>(widget()); }
    GridTable *self() const { return const_cast<GridTable *>(this); }
    QModelIndexList selectedIndexes() const
    {
        return grid()->selectionModel() ? grid()->selectionModel()->selectedIndexes() : QModelIndexList();
    }

    ItemCache m_items;
};

GridTable *tableOf(DbGrid *grid)
{
    return dynamic_cast<GridTable *>(QAccessible::queryAccessibleInterface(grid));
}

QList<QAccessibleInterface *> GridItem::columnHeaderCells() const
{
    GridTable *table = m_grid ? tableOf(m_grid) : nullptr;
    return table ? QList<QAccessibleInterface *>{table->item(-1, m_column)} : QList<QAccessibleInterface *>();
}

QList<QAccessibleInterface *> GridItem::rowHeaderCells() const
{
    GridTable *table = m_grid ? tableOf(m_grid) : nullptr;
    if (!table || !m_grid->verticalHeader()->isVisible())
        return {};
    return {table->item(m_row, -1)};
}

// The title row of a grid: its children are the titles of the columns the
// grid shows, from left to right, and its name is all of them.
class GridHeader : public QAccessibleWidget {
public:
    GridHeader(QHeaderView *header, DbGrid *grid) : QAccessibleWidget(header, QAccessible::Row), m_grid(grid) {}

    int childCount() const override { return int(shownSections().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<int> sections = shownSections();
        if (index < 0 || index >= sections.size())
            return nullptr;
        const int column = sections.at(index);
        return self()->m_items.get(-1, column, [&] { return new GridItem(m_grid, header(), -1, column); });
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *item = dynamic_cast<const GridItem *>(child);
        if (!item || !child->parent() || child->parent()->object() != header())
            return -1;
        return int(shownSections().indexOf(item->column()));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int section = header()->logicalIndexAt(header()->viewport()->mapFromGlobal(QPoint(x, y)).x());
        const int index = int(shownSections().indexOf(section));
        return index >= 0 ? child(index) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !header()->accessibleName().isEmpty() || !m_grid)
            return QAccessibleWidget::text(t);
        QStringList titles;
        for (int column : shownSections())
            titles << titleOf(m_grid, column);
        return titles.join(u' ');
    }

private:
    QHeaderView *header() const { return static_cast<QHeaderView *>(widget()); }
    GridHeader *self() const { return const_cast<GridHeader *>(this); }
    QList<int> shownSections() const
    {
        QList<int> sections;
        if (!m_grid)
            return sections;
        for (int visual = 0; visual < header()->count(); ++visual) {
            const int logical = header()->logicalIndex(visual);
            if (!header()->isSectionHidden(logical) && m_grid->columnFor(logical))
                sections.append(logical);
        }
        return sections;
    }

    QPointer<DbGrid> m_grid;
    ItemCache m_items;
};

QAccessibleInterface *gridAccessible(const QString &, QObject *object)
{
    if (auto *grid = qobject_cast<DbGrid *>(object))
        return new GridTable(grid);
    if (auto *header = qobject_cast<QHeaderView *>(object)) {
        auto *grid = qobject_cast<DbGrid *>(header->parent());
        if (grid && grid->horizontalHeader() == header)
            return new GridHeader(header, grid);
    }
    return nullptr;
}

} // namespace

void installGridAccessibility()
{
    QAccessible::installFactory(gridAccessible); // a second call changes nothing
}

} // namespace ui
