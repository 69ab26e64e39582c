#pragma once

#include <QString>

namespace activities {

// An activity whose minute has come, as the reminder shows it.
struct DueActivity {
    qint64 eid = 0;
    QString e3;  // date and time
    QString e5;  // type
    QString e6;  // priority
    QString e7;  // goal
    QString e8;  // duration
    QString e9;  // details
    QString e11; // the customer's Chinese name
    QString e12; // the customer's English name
    QString e13; // salutation
};

} // namespace activities
