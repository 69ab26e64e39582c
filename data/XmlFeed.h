#pragma once

#include "DbError.h"

#include <QXmlStreamReader>
#include <functional>

namespace data {

class ZipReader;

// One XML member of a workbook, parsed as it is unpacked: the reader gets the
// member chunk by chunk, so that a sheet of a million rows is never held
// whole. Malformed or cut-off XML throws the "damaged workbook" DbError.
class XmlFeed {
public:
    // A tag, a text or any other piece of XML that takes more bytes than
    // this is refused: the XML reader holds a piece whole before it gives
    // it, and no cell's text is that long (a character takes up to 7 bytes,
    // written as an escape).
    static constexpr qint64 kLongestPiece = qint64(1) << 20;

    // What is thrown for a piece longer than kLongestPiece.
    using TooLong = std::function<DbError()>;

    // Opens `member` of `zip` (which must outlive the feed), refusing a
    // member that unpacks to more than `largest` bytes.
    XmlFeed(ZipReader &zip, const QString &member, qint64 largest, TooLong tooLong);

    // The next token; EndDocument once the member is read to its end.
    QXmlStreamReader::TokenType next();
    const QXmlStreamReader &reader() const { return m_reader; }
    QStringView name() const { return m_reader.name(); }
    QStringView text() const { return m_reader.text(); }
    // The value of the attribute of that local name on the current start tag.
    QStringView attribute(QStringView name) const;

private:
    ZipReader &m_zip;
    QString m_member;
    TooLong m_tooLong;
    QXmlStreamReader m_reader;
    mutable QXmlStreamAttributes m_attributes; // of the current start tag, once asked for
    mutable bool m_attributesTaken = false;
    bool m_fed = false; // the whole member has been handed to the reader
    qint64 m_waiting = 0; // bytes handed to the reader since it last gave a token
};

} // namespace data
