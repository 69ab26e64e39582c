#include "DbControls.h"

#include "FieldLink.h"
#include "TextLimit.h"

namespace ui {

DbEdit::DbEdit(QWidget *parent) : QLineEdit(parent)
{
    limitText(this, kNoLimit);
}

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
    // The limit, when there is one, has cut the text before it is written.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing)
            m_link->write(toPlainText());
    });
}

void DbMemo::setMaxLength(int characters)
{
    limitText(this, characters);
}

void DbLabel::bind(data::StandingQuery *query, const QString &field)
{
    new FieldLink(this, query, field, [this](const QString &value, bool) { setText(value); });
}

DbComboBox::DbComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    limitText(lineEdit(), kNoLimit);
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
