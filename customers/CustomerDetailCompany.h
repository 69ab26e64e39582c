#pragma once

#include <QWidget>

class QLabel;

namespace data {
class StandingQuery;
}
namespace ui {
class JoinedLabel;
}

// The 所属 page of the customer detail view: the customer's company as the
// current row of find_gongsi shows it, and the company key the customer
// refers to.
class CustomerDetailCompany : public QWidget {
    Q_OBJECT
public:
    explicit CustomerDetailCompany(QWidget *parent = nullptr);
    void bind(data::StandingQuery *company);

    void setCompanyKey(const QString &a14);

private:
    QWidget *createDetails();
    QWidget *createKeyStrip();

    QList<ui::JoinedLabel *> m_values;
    class QTextEdit *m_description = nullptr;
    QLabel *m_key = nullptr;
};
