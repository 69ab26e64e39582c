#include "WholeNumber.h"

namespace data {

NumberCheck checkWholeNumber(const QString &text)
{
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    if (text.size() == start)
        return NumberCheck::NotANumber;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return NumberCheck::NotANumber;
    }
    bool fits = false;
    text.toLongLong(&fits);
    return fits ? NumberCheck::Whole : NumberCheck::OutOfRange;
}

QString storedNumber(const QString &text)
{
    return QString::number(text.toLongLong());
}

QString numberWarning(const QString &caption, NumberCheck check)
{
    switch (check) {
    case NumberCheck::Whole:
        break;
    case NumberCheck::NotANumber:
        return caption + QStringLiteral("的值不是整数");
    case NumberCheck::OutOfRange:
        return caption + QStringLiteral("的值超出整数范围");
    }
    return {};
}

} // namespace data
