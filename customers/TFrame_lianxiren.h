#pragma once

#include "Windows.h"

#include <QFrame>

namespace data {
class StandingQuery;
}

// The customer detail view: a header with the customer on show and six tabs
// with the customer's memos, activities, analyses, company, supplementary
// information and a credit enquiry.
class TFrame_lianxiren : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    enum class Tab { Memos, Activities, Analyses, Company, Supplement, Credit };

    explicit TFrame_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    void showTab(Tab tab);
    Tab currentTab() const;

    // Header mirroring: the customer list copies the current customer row
    // into the header (every column but the rating) whenever it paints.
    void mirrorHeader(const data::StandingQuery &customers);
    // The rating stars; a value other than "1".."5" leaves them as they are.
    void showRating(const QString &a11);
    // The company key on the company tab, as the header mirroring set it.
    QString companyKey() const;
    // The customer whose memos, activities and analyses the tabs were loaded
    // for (the one double-clicked in the list); empty until then.
    void setShownCustomer(const QString &aid);
    QString shownCustomer() const;
};
