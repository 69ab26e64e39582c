#pragma once

#include "HandOver.h"

#include <QMap>
#include <QWidget>

class QLabel;
class QPushButton;

namespace data {
class StandingQuery;
}

namespace ui {
class StarRating;
}

// The values the customer list copies into the detail view: every column of
// atc1 but the rating a11 and the unused a25.
using CustomerValues = QMap<QString, QString>;
CustomerValues mirroredValues(const data::StandingQuery &customers);

// The header of the customer detail view: the group 客户详细资料 with the
// name, phones and e-mail, the rating stars (级别) and the key (编号).
class CustomerDetailHeader : public QWidget {
    Q_OBJECT
public:
    explicit CustomerDetailHeader(QWidget *parent = nullptr);

    void showValues(const CustomerValues &values);
    void showRating(const QString &a11);
    int stars() const;
    // The customer on show, as the header holds it.
    ui::CustomerRef customer() const;
    QPushButton *backButton() const { return m_back; }

private:
    QWidget *createDetails();
    QWidget *createRating();
    QWidget *createKey();

    CustomerValues m_values;
    QLabel *m_name = nullptr;
    QLabel *m_salutation = nullptr;
    QLabel *m_english = nullptr;
    QLabel *m_job = nullptr;
    QLabel *m_department = nullptr;
    QLabel *m_mobile = nullptr;
    QLabel *m_phone = nullptr;
    QLabel *m_fax = nullptr;
    QLabel *m_mail = nullptr;
    QLabel *m_key = nullptr;
    ui::StarRating *m_rating = nullptr;
    QPushButton *m_back = nullptr;
};
