#include "DbControls.h"

#include "FieldLink.h"

namespace ui {

void DbEdit::bind(data::StandingQuery *query, const QString &field)
{
    m_link = new FieldLink(this, query, field, [this](const QString &value, bool hasRow) {
        if (text() != value)
            setText(value);
        setReadOnly(!hasRow);
    });
    connect(this, &QLineEdit::textEdited, m_link, &FieldLink::write);
}

void DbMemo::bind(data::StandingQuery *query, const QString &field)
{
    m_link = new FieldLink(this, query, field, [this](const QString &value, bool hasRow) {
        if (toPlainText() != value) {
            m_showing = true;
            setPlainText(value);
            m_showing = false;
        }
        setReadOnly(!hasRow);
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing)
            return;
        QString text = toPlainText();
        if (m_maxLength > 0 && text.size() > m_maxLength) {
            text.truncate(m_maxLength);
            m_showing = true;
            setPlainText(text);
            moveCursor(QTextCursor::End);
            m_showing = false;
        }
        m_link->write(text);
    });
}

void DbLabel::bind(data::StandingQuery *query, const QString &field)
{
    new FieldLink(this, query, field, [this](const QString &value, bool) { setText(value); });
}

DbComboBox::DbComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void DbComboBox::bind(data::StandingQuery *query, const QString &field)
{
    m_link = new FieldLink(this, query, field, [this](const QString &value, bool hasRow) {
        if (currentText() != value) {
            m_showing = true;
            setCurrentIndex(findText(value, Qt::MatchExactly));
            setEditText(value);
            m_showing = false;
        }
        setEnabled(hasRow);
    });
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (!m_showing)
            m_link->write(text);
    });
}

} // namespace ui
