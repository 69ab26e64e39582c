#include "SearchFields.h"

#include "FieldTable.h"
#include "ListCombos.h"

#include <QComboBox>
#include <QLineEdit>
#include <stdexcept>

namespace ui {

namespace {

QString textOf(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (const auto *pickList = qobject_cast<const PickListCombo *>(field))
        return pickList->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(field)) {
        // What is typed into an editable drop-down counts; a list without a choice gives nothing.
        if (combo->isEditable() || combo->currentIndex() >= 0)
            return combo->currentText();
    }
    return {};
}

} // namespace

data::SearchTexts SearchFields::texts(const data::RecordDef &record) const
{
    data::SearchTexts texts;
    for (const QString &column : data::searchedColumns(record)) {
        const auto found = m_fields.find(column);
        if (found == m_fields.end())
            throw std::logic_error(QStringLiteral("no search field for %1.%2").arg(record.table, column).toStdString());
        texts[column] = textOf(found->second);
    }
    return texts;
}

void SearchFields::clear() const
{
    for (const auto &[column, field] : m_fields) {
        if (auto *line = qobject_cast<QLineEdit *>(field)) {
            line->clear();
        } else if (auto *pickList = qobject_cast<PickListCombo *>(field)) {
            pickList->clearChoice();
        } else if (auto *combo = qobject_cast<QComboBox *>(field)) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable())
                combo->clearEditText();
        }
    }
}

} // namespace ui
