#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace data {
class StandingQuery;
}

namespace ui {

class FieldLink;

// Controls bound to one field of a standing query's current row.

class DbEdit : public QLineEdit {
    Q_OBJECT
public:
    // Takes text of any length unless given a limit with ui::limitText().
    explicit DbEdit(QWidget *parent = nullptr);
    void bind(data::StandingQuery *query, const QString &field);
    FieldLink *link() const { return m_link; }

private:
    FieldLink *m_link = nullptr;
};

class DbMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DbMemo(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}
    void bind(data::StandingQuery *query, const QString &field);
    // The most characters the memo takes (ui::limitText()); kNoLimit: any length.
    void setMaxLength(int characters);

private:
    FieldLink *m_link = nullptr;
    bool m_showing = false;
};

// Shows the field as it is stored: plain text, never markup.
class DbLabel : public QLabel {
    Q_OBJECT
public:
    explicit DbLabel(QWidget *parent = nullptr) : QLabel(parent) { setTextFormat(Qt::PlainText); }
    void bind(data::StandingQuery *query, const QString &field);
};

// An editable drop-down with fixed items ("先生", "女士"; "1".."5") whose text is the field.
class DbComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DbComboBox(QWidget *parent = nullptr);
    void bind(data::StandingQuery *query, const QString &field);

private:
    FieldLink *m_link = nullptr;
    bool m_showing = false;
};

} // namespace ui
