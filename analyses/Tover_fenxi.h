#pragma once

#include "HandOver.h"
#include "Windows.h"

#include <QDialog>
#include <map>

class QLabel;
class QPushButton;
class QTextEdit;

namespace ui {
class PickListCombo;
}

// The follow-up window: shows one analysis, handed over as a row of
// vtv2_all, and on 跟进 replaces its stage with the one chosen.
class Tover_fenxi : public QDialog, public ui::DataBound, public ui::RowWindow {
    Q_OBJECT
public:
    explicit Tover_fenxi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;
    void takeRow(const data::StandingQuery &query) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGeneralPage();
    QWidget *createMorePage();
    QWidget *createSummary(QWidget *page);
    QLabel *value(const char *column, QWidget *parent);
    void Button1Click(); // 跟进

    TData_in *m_data = nullptr;
    std::map<QString, QLabel *> m_values; // by column
    QLabel *Label32 = nullptr; // the analysis followed up (hid), hidden
    ui::PickListCombo *m_stage = nullptr;
    QTextEdit *Memo1 = nullptr; // 详细
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
