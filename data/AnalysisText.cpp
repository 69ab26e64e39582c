#include "AnalysisText.h"

namespace data {

namespace {

// The value of a field that takes at most eight digits.
qint64 factor(const QString &text)
{
    if (text.size() > 8)
        return 0;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 ? value : 0;
}

} // namespace

QString analysisTotal(const QString &quantity, const QString &unitPrice)
{
    return QString::number(factor(quantity) * factor(unitPrice));
}

QString followUpStatement()
{
    return QStringLiteral("update vtv2 set h9=:b where hid=:a ");
}

} // namespace data
