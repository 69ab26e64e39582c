#include "XmlFeed.h"

#include "SheetMessages.h"
#include "ZipReader.h"

namespace data {

XmlFeed::XmlFeed(ZipReader &zip, const QString &member, qint64 largest, TooLong tooLong)
    : m_zip(zip), m_member(member), m_tooLong(std::move(tooLong))
{
    m_zip.open(member, largest);
    m_reader.setNamespaceProcessing(true);
}

QXmlStreamReader::TokenType XmlFeed::next()
{
    // Leaves the reader the only owner of its own list: copied, it would be
    // made anew for every tag.
    m_attributes.clear();
    m_attributesTaken = false;
    for (;;) {
        const QXmlStreamReader::TokenType token = m_reader.readNext();
        if (token != QXmlStreamReader::Invalid) {
            m_waiting = 0;
            return token;
        }
        if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && !m_fed) {
            if (m_waiting > kLongestPiece)
                throw m_tooLong();
            const QByteArray chunk = m_zip.read();
            if (chunk.isEmpty())
                m_fed = true;
            else
                m_reader.addData(chunk);
            m_waiting += chunk.size();
            continue;
        }
        throw brokenWorkbook(m_zip.path(), QStringLiteral("%1 第 %2 行的 XML %3")
                                               .arg(m_member)
                                               .arg(m_reader.lineNumber())
                                               .arg(m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError
                                                        ? QStringLiteral("没有写完")
                                                        : QStringLiteral("格式不对")));
    }
}

QStringView XmlFeed::attribute(QStringView name) const
{
    // Taken from the reader when first asked for, and kept while the tag is
    // current, as the views given out point into them.
    if (!m_attributesTaken && m_reader.isStartElement())
        m_attributes = m_reader.attributes();
    m_attributesTaken = true;
    // By local name, whatever prefix the writer chose for r:id.
    for (const QXmlStreamAttribute &a : m_attributes) {
        if (a.name() == name)
            return a.value();
    }
    return {};
}

} // namespace data
