#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <map>

class QDateEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TData_in;

namespace data {
class StandingQuery;
}
namespace ui {
class PickListCombo;
}

// The one layout of a product that the new, edit, detail and search windows
// share: group "基本信息" with name, status and categories on the left and
// creation date, stock and prices on the right, then (but for the search)
// group "描述". Each place is found by its column of vtv4.
//
// New: unbound fields, the required ones marked, the number fields taking
// digits only. Edit: every field bound to the current product. Detail: a
// value label in each place, the creation date below the categories, the
// description read-only. Search: unbound fields and a date picker.
class ProductForm : public QWidget {
    Q_OBJECT
public:
    enum class Kind { New, Edit, Detail, Search };

    explicit ProductForm(Kind kind, QWidget *parent = nullptr);

    // The stock and the three prices, in screen order.
    static const QStringList &numberColumns();

    // Fills the drop-downs from the product pick lists; in the new and edit
    // windows the small button beside each opens the product pick-list
    // editor on its list.
    void setPickLists(TData_in &data);
    // Edit: every field but the creation date writes its column of the
    // current product; the creation date is only shown.
    void bind(data::StandingQuery *products);
    // The window's buttons under the description, at the right.
    void setButtons(const QList<QWidget *> &buttons);

    // What the place of a column shows: o1..o11.
    QString text(const QString &column) const;
    // Detail, and the creation date of the new window: what a value label shows.
    void setText(const QString &column, const QString &text);
    // What to say of the first number field, in screen order, whose text is
    // not a whole number within the columns' range; empty when every one is
    // (an empty field is left to the window).
    QString numberProblem() const;
    // The widget in the place of a column.
    QWidget *field(const QString &column) const { return m_fields.at(column); }
    QLineEdit *line(const QString &column) const;
    ui::PickListCombo *list(const QString &column) const;
    QDateEdit *datePicker() const { return m_datePicker; }
    QPlainTextEdit *description() const { return m_description; }

private:
    void createFields();
    QWidget *createBasicGroup();
    QWidget *createDescriptionGroup();
    QHBoxLayout *withListButton(const QString &column);

    Kind m_kind;
    std::map<QString, QWidget *> m_fields;
    QDateEdit *m_datePicker = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};
