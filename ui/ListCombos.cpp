#include "ListCombos.h"

#include "FieldLink.h"
#include "StandingQuery.h"

namespace ui {

PickListCombo::PickListCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void PickListCombo::setList(data::StandingQuery *pickList)
{
    setModel(pickList);
    setModelColumn(pickList->fieldIndex(QStringLiteral("mc1")));
    setCurrentIndex(-1);
}

void PickListCombo::setText(const QString &text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly));
}

void PickListCombo::bind(data::StandingQuery *record, const QString &field)
{
    m_link = new FieldLink(this, record, field, [this](const QString &value, bool hasRow) {
        m_showing = true;
        setText(value);
        m_showing = false;
        setEnabled(hasRow);
    });
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_showing)
            m_link->write(text());
    });
}

QueryCombo::QueryCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void QueryCombo::setQuery(data::StandingQuery *query, const QString &field)
{
    m_query = query;
    setModel(query);
    setModelColumn(query->fieldIndex(field));
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this](int index) {
        const QString chosen = itemText(index);
        const int column = modelColumn();
        for (int row = 0; row < m_query->count(); ++row) {
            if (m_query->value(row, column) == chosen) {
                m_query->moveTo(row);
                break;
            }
        }
    });
}

} // namespace ui
