#include "ListCombos.h"

#include "ColumnCheck.h"
#include "FieldLink.h"
#include "FirstShow.h"
#include "StandingQuery.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace ui {

namespace {

// Drop-downs keep the width their window gives them, whatever the length of
// their entries; a longer entry is cut in the box and shown whole in the list.
void keepWidth(QComboBox *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(8);
}

// A drop-down without entries says, where its text would be, how entries
// are added (`hint`), for as long as its list (the model it has now) stays empty.
void hintWhileEmpty(QComboBox *combo, const QString &hint)
{
    if (hint.isEmpty())
        return;
    const auto showHint = [combo, hint] {
        const bool empty = combo->count() == 0;
        // A blank rather than none: a drop-down without a placeholder would
        // take its first entry as chosen.
        combo->setPlaceholderText(empty ? hint : QStringLiteral(" "));
        combo->setAccessibleDescription(empty ? QStringLiteral("列表为空,") + hint : QString());
    };
    showHint();
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        QObject::connect(combo->model(), changed, combo, showHint);
    QObject::connect(combo->model(), &QAbstractItemModel::modelReset, combo, showHint);
}

QString addHint(const QAbstractButton *button)
{
    return QStringLiteral("用“%1”添加").arg(button->text());
}

} // namespace

PickListCombo::PickListCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    keepWidth(this);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_listChanging)
            m_chosen = text();
    });
}

void PickListCombo::setList(data::StandingQuery *pickList)
{
    setModel(pickList);
    setModelColumn(pickList->fieldIndex(QStringLiteral("mc1")));
    setText(QString());
    // When entries are added, deleted or changed in an editor, the combo would
    // move on to another entry, or show the changed text, though the field
    // still holds the old one. It shows the text it showed before, or none.
    // The same when the list is read again (an editor posts and the list is
    // refreshed): a combo without a choice would take the first entry.
    for (auto about : {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved})
        connect(pickList, about, this, [this] { m_listChanging = true; });
    connect(pickList, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_listChanging = true; });
    for (auto done : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(pickList, done, this, &PickListCombo::showChosen);
    connect(pickList, &QAbstractItemModel::modelReset, this, &PickListCombo::showChosen);
    connect(pickList, &QAbstractItemModel::dataChanged, this, &PickListCombo::showChosen);
    hintWhileEmpty(this, m_addHint);
}

void PickListCombo::setAddButton(const QAbstractButton *button)
{
    m_addHint = addHint(button);
    hintWhileEmpty(this, m_addHint);
}

void PickListCombo::setText(const QString &text)
{
    setCurrentIndex(text.isEmpty() ? -1 : findText(text, Qt::MatchExactly));
    m_chosen = text;
}

void PickListCombo::showChosen()
{
    m_listChanging = false;
    if (text() != m_chosen)
        setText(m_chosen);
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
    keepWidth(this);
}

void QueryCombo::setQuery(data::StandingQuery *query, const QString &field)
{
    data::checkColumn(*query, field);
    m_query = query;
    showWhenSeen(this, *query, [this, column = query->fieldIndex(field)] {
        setModel(m_query);
        setModelColumn(column);
        setCurrentIndex(-1);
        hintWhileEmpty(this, m_addHint);
    });
    connect(this, &QComboBox::activated, this, &QueryCombo::choose);
}

void QueryCombo::setAddButton(const QAbstractButton *button)
{
    m_addHint = addHint(button);
    hintWhileEmpty(this, m_addHint);
}

void QueryCombo::keyPressEvent(QKeyEvent *event)
{
    const bool typing = !event->text().isEmpty() && event->text().at(0).isPrint();
    m_typed = typing;
    QComboBox::keyPressEvent(event);
    m_typed = false;
}

void QueryCombo::choose(int index)
{
    if (!m_query || index < 0 || index >= m_query->count())
        return;
    int row = index;
    if (m_typed) {
        const QString chosen = itemText(index);
        const int column = modelColumn();
        for (row = 0; row < index && m_query->value(row, column) != chosen; ++row) {
        }
    }
    m_query->moveTo(row);
}

} // namespace ui
