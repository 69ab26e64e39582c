#include "FieldLink.h"

#include "ColumnCheck.h"
#include "FirstShow.h"
#include "MessageBox.h"
#include "StandingQuery.h"

#include <QWidget>

namespace ui {

FieldLink::FieldLink(QWidget *owner, data::StandingQuery *query, const QString &field, Show show)
    : QObject(owner), m_owner(owner), m_query(query), m_field(field), m_show(std::move(show))
{
    data::checkColumn(*query, field);
    connect(query, &data::StandingQuery::currentRowChanged, this, &FieldLink::refresh);
    connect(query, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                const int row = m_query->currentRow();
                const int column = m_query->fieldIndex(m_field);
                if (row >= from.row() && row <= to.row() && column >= from.column() && column <= to.column())
                    refresh();
            });
    connect(query, &data::StandingQuery::stateChanged, this, &FieldLink::refresh);
    showWhenSeen(owner, *query, [this] { refresh(); });
}

QString FieldLink::value() const
{
    return m_query->field(m_field);
}

bool FieldLink::hasRow() const
{
    return m_query->currentRow() >= 0;
}

void FieldLink::write(const QString &text)
{
    if (!hasRow())
        return;
    // The control already shows the text. Showing the field while it is
    // written would put back the old value for a moment (the first change
    // puts the query into edit state before the buffer holds it) and move
    // the text cursor away from where the user types.
    m_writing = true;
    guarded(m_owner, [&] { m_query->setField(m_field, text); });
    m_writing = false;
}

void FieldLink::refresh()
{
    if (m_writing)
        return;
    m_show(value(), hasRow());
}

} // namespace ui
