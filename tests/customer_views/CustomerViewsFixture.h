#pragma once

#include "Driving.h"
#include "HandOver.h"
#include "Program.h"

#include <QDialog>
#include <map>
#include <memory>

class TFrame_lianxiren;
class TFrame_liebiao;

namespace ui {
class DbGrid;
}

namespace testing {

// Stands in for a window another part of the program opens for a customer or
// a row (new activity, new analysis, end activity, follow-up): it keeps what
// it was handed and how often it was opened, and closes at once.
class StandInWindow : public QDialog, public ui::CustomerWindow, public ui::RowWindow {
public:
    int opened = 0;
    ui::CustomerRef customer;
    QString rowKey;

    void setCustomer(const ui::CustomerRef &c) override { customer = c; }
    void takeRow(const data::StandingQuery &query) override;
    int exec() override
    {
        ++opened;
        return Rejected;
    }
};

// The program started over an installation holding four customers:
//   1 张三 (rating 3, company 1 甲公司; three memos, two activities, one analysis),
//   2 李四 (rating 5, company 2 乙公司; one memo, one activity, one analysis),
//   3 王五 (rating "x", company 1; one activity),
//   4 赵六 (company 99, which does not exist),
// and a memo of company 1 (j1 "0"). The windows other parts of the program
// open for a customer or a row are stand-ins.
class CustomerViews : public Program {
public:
    CustomerViews();
    ~CustomerViews();

    TFrame_liebiao &list() const;
    TFrame_lianxiren &detail() const;
    ui::DbGrid *listGrid() const;
    StandInWindow &window(const QString &name) { return *m_standIns.at(name); }

    // The row of the list grid that shows the customer with this name.
    int listRow(const QString &name) const;
    // Clicks the customer in the list and waits until the list has painted,
    // so that the detail view's header shows that customer.
    void selectCustomer(const QString &name);
    // The double-click of the list on that customer.
    void openCustomer(const QString &name);

private:
    std::map<QString, std::unique_ptr<StandInWindow>> m_standIns;
};

} // namespace testing
