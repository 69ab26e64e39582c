#pragma once

#include <QColor>
#include <QHeaderView>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <vector>

namespace data {
class StandingQuery;
}

namespace ui {

class GridDelegate;

// One column of a grid: the field it shows and how it looks.
struct GridColumn {
    QString field;
    QString title;
    int width = 64; // pixels; 0 keeps the default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor foreground;
    QColor background;
    bool bold = false;
    int pixelSize = 0; // 0: the grid's own type size
    Qt::Alignment titleAlignment = Qt::AlignCenter; // the title in the title row
    bool titleBold = false;
};

// How a grid behaves; the defaults are those of a read-only list.
struct GridOptions {
    bool readOnly = true;
    bool wholeRowSelect = true;
    bool titles = true;          // column title row
    bool indicator = false;      // row indicator column at the left
    bool rowLines = true;
    bool columnLines = true;
    bool confirmDelete = true;   // Ctrl+Delete asks "Delete record?" (editable grids)
};

// A grid bound to a standing query. It shares the query's current row with
// every other control bound to it, and edits the current row through the
// query's edit buffer.
class DbGrid : public QTableView {
    Q_OBJECT
public:
    DbGrid(QWidget *parent = nullptr);

    void bind(data::StandingQuery *query, std::vector<GridColumn> columns, GridOptions options = {});
    data::StandingQuery *query() const { return m_query; }
    const std::vector<GridColumn> &columns() const { return m_columns; }
    const GridOptions &options() const { return m_options; }
    // The look of a model column, or nullptr when this grid does not show it.
    const GridColumn *columnFor(int logical) const;

    // Hands the text of an open cell editor to the query.
    void flushEditor();

signals:
    void rowDoubleClicked();

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class GridDelegate;
    void attach();
    void applyLayout();
    int logicalIndexOf(int visual) const;
    void followCurrentRow(int row);
    void editorOpened(QWidget *editor);

    data::StandingQuery *m_query = nullptr;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_columnOfField; // model column -> index into m_columns, -1 when hidden
    GridOptions m_options;
    bool m_attached = false; // the query is its model
    QPointer<QWidget> m_editor;
};

} // namespace ui
