#pragma once

#include <QComboBox>

class QAbstractButton;

namespace data {
class StandingQuery;
}

namespace ui {

class FieldLink;

// A drop-down list over a pick list (vx1..vx19): it offers the entry texts of
// the list as the list's standing query holds them, so that an entry posted
// in an editor is offered at once, and yields the chosen text. Typing is not
// possible. Optionally bound to a field of a business record: it then shows
// the entry whose text the field holds (no text when there is none) and
// writes the chosen text into the field.
class PickListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit PickListCombo(QWidget *parent = nullptr);
    void setList(data::StandingQuery *pickList);
    void bind(data::StandingQuery *record, const QString &field);

    QString text() const { return currentIndex() < 0 ? QString() : currentText(); }
    void setText(const QString &text); // selects the first entry with that text, or none
    void clearChoice() { setText(QString()); }
    // While the list has no entries (a fresh installation's), the drop-down
    // says in its place that they are added with `button`, the "..." beside it.
    void setAddButton(const QAbstractButton *button);

private:
    void showChosen();

    FieldLink *m_link = nullptr;
    bool m_showing = false;
    bool m_listChanging = false;
    QString m_chosen; // the text on show, kept when no entry holds it any more
    QString m_addHint;
};

// A drop-down list over one column of a standing query (the company names of
// atc2_all) in that query's current order. An entry picked from the list
// moves the query's current row to that very row, even when another row
// holds the same text; a name typed on the keyboard moves it to the first
// row that holds the name.
class QueryCombo : public QComboBox {
    Q_OBJECT
public:
    explicit QueryCombo(QWidget *parent = nullptr);
    void setQuery(data::StandingQuery *query, const QString &field);

    QString text() const { return currentIndex() < 0 ? QString() : currentText(); }
    void clearChoice() { setCurrentIndex(-1); }
    // As PickListCombo::setAddButton(): while the query has no rows.
    void setAddButton(const QAbstractButton *button);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(int index);

    data::StandingQuery *m_query = nullptr;
    bool m_typed = false;
    QString m_addHint;
};

} // namespace ui
