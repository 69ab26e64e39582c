#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace data {
class StandingQuery;
}

namespace ui {

// Ties one control to one field of a standing query's current row: shows the
// field whenever the row, its value or the query changes, and writes what the
// user types into the query's edit buffer.
class FieldLink : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString &value, bool hasRow)>;

    FieldLink(QWidget *owner, data::StandingQuery *query, const QString &field, Show show);

    data::StandingQuery *query() const { return m_query; }
    const QString &field() const { return m_field; }
    QString value() const;
    bool hasRow() const;
    void write(const QString &text);
    void refresh();

private:
    QWidget *m_owner;
    data::StandingQuery *m_query;
    QString m_field;
    Show m_show;
    bool m_writing = false;
};

} // namespace ui
