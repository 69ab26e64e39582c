#pragma once

#include "HandOver.h"

#include <QDialog>
#include <map>

class QGroupBox;
class QLabel;
class QPlainTextEdit;

// The employee detail window: one employee's values as the list hands them
// over, read only; its department and position are not shown. It is left by
// its close box.
class Tover_user : public QDialog, public ui::RowWindow {
    Q_OBJECT
public:
    explicit Tover_user(QWidget *parent = nullptr);
    void takeRow(const data::StandingQuery &query) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *createBasicGroup();
    QGroupBox *createContactGroup();
    QGroupBox *createRemarksGroup();
    QLabel *value(const QString &column, QWidget *parent);

    std::map<QString, QLabel *> m_values;
    QPlainTextEdit *Memo1 = nullptr; // 备注
};
