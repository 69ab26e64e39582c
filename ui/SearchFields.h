#pragma once

#include "SearchText.h"

#include <QString>
#include <QWidget>
#include <map>

namespace data {
struct RecordDef;
}

namespace ui {

// The fields of a search window, each known by the column it searches. The
// conditions take their texts from them in the order of the record's field
// table, so a new searched column needs its field and nothing else:
//
//     Edit1 = m_fields.add("a1", ui::textBox(box, {}, 10, 150));
//     ...
//     data::customerSearch(m_fields.texts(data::customerRecord()));
class SearchFields {
public:
    template <typename Field> Field *add(const QString &column, Field *field)
    {
        m_fields[column] = field;
        return field;
    }

    // The typed or chosen text of every searched column; a drop-down without
    // a choice gives the empty text. A searched column without a field is a
    // programming error (std::logic_error).
    data::SearchTexts texts(const data::RecordDef &record) const;
    // Empties every field; drop-downs are left without a choice.
    void clear() const;

private:
    std::map<QString, QWidget *> m_fields;
};

} // namespace ui
