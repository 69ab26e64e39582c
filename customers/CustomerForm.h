#pragma once

#include <QString>
#include <QStringList>
#include <map>

class QButtonGroup;
class QDialog;
class QGroupBox;
class QPushButton;
class QToolButton;

namespace ui {
class DbComboBox;
class DbEdit;
class DbLabel;
class DbMemo;
class DbNavigator;
class PickListCombo;
class QueryCombo;
}

namespace customers {

// The new-customer and the edit-customer window share one form. The new
// window marks its required fields, rates with radio buttons and picks the
// company from a list; the edit window rates with a list, shows the company
// as text and saves through a one-button navigator.
enum class FormKind { New, Edit };

// Window sizes: the short form, and the form with the supplementary group
// uncovered.
constexpr int kFormWidth = 640;
constexpr int kShortHeight = 336;
constexpr int kFullHeight = 523;

// The customer columns typed into one-line fields, in the order of the form.
extern const QStringList kLineColumns;

// The controls of a customer window. setupUi() builds them into the dialog,
// with their captions, length limits and key filters; the window binds them
// and connects their actions.
struct CustomerFormUi {
    void setupUi(QDialog *window, FormKind kind);

    // Height 336 with the supplementary group disabled, or 523 with it enabled.
    void showShortForm();
    void showFullForm();

    ui::DbEdit *line(const QString &column) const { return lines.at(column); }

    QDialog *dialog = nullptr;
    std::map<QString, ui::DbEdit *> lines; // by column of atc1
    ui::DbComboBox *salutation = nullptr;  // a12
    ui::PickListCombo *department = nullptr; // a13
    ui::PickListCombo *jobTitle = nullptr;   // a26
    ui::DbMemo *description = nullptr;       // a17
    QToolButton *departmentButton = nullptr;
    QToolButton *jobTitleButton = nullptr;
    QPushButton *moreButton = nullptr;   // "补充信息..."
    QPushButton *cancelButton = nullptr; // "取消"
    QGroupBox *supplement = nullptr;     // "填写客户补充信息"

    // New window only.
    QButtonGroup *ratingButtons = nullptr; // ids 1 to 5
    ui::QueryCombo *companyList = nullptr;
    QToolButton *newCompanyButton = nullptr;
    QPushButton *okButton = nullptr; // "确定"

    // Edit window only.
    ui::DbComboBox *ratingList = nullptr; // a11
    ui::DbLabel *companyText = nullptr;   // a18
    ui::DbNavigator *navigator = nullptr;
};

} // namespace customers
