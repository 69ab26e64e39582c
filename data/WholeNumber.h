#pragma once

#include <QString>

namespace data {

// The whole numbers typed into number fields (stock, prices). Their columns
// hold 64-bit signed integers; a longer number would be stored rounded (as a
// real) and other text as text, so neither is written.

enum class NumberCheck {
    Whole,      // an optional minus and decimal digits, within the 64-bit signed range
    NotANumber, // anything else, the empty text included
    OutOfRange, // digits beyond -9223372036854775808 .. 9223372036854775807
};

NumberCheck checkWholeNumber(const QString &text);
// The number as it is stored: "007" gives "7". Only for a Whole text.
QString storedNumber(const QString &text);
// What a window says of a field whose text is not a Whole one, naming the
// field by its caption: "成本价的值超出整数范围", "库存量的值不是整数".
QString numberWarning(const QString &caption, NumberCheck check);

} // namespace data
