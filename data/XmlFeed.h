#pragma once

#include <QXmlStreamReader>

namespace data {

class ZipReader;

// One XML member of a workbook, parsed as it is unpacked: the reader gets the
// member chunk by chunk, so that a sheet of a million rows is never held
// whole. Malformed or cut-off XML throws the "damaged workbook" DbError.
class XmlFeed {
public:
    // Opens `member` of `zip` (which must outlive the feed).
    XmlFeed(ZipReader &zip, const QString &member);

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
    QXmlStreamReader m_reader;
    QXmlStreamAttributes m_attributes; // of the current start tag
    bool m_fed = false; // the whole member has been handed to the reader
};

} // namespace data
