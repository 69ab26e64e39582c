#include "XmlFeed.h"

#include "SheetMessages.h"
#include "ZipReader.h"

namespace data {

XmlFeed::XmlFeed(ZipReader &zip, const QString &member) : m_zip(zip), m_member(member)
{
    m_zip.open(member);
    m_reader.setNamespaceProcessing(true);
}

QXmlStreamReader::TokenType XmlFeed::next()
{
    m_attributes.clear(); // leaves the reader the only owner of its own list
    for (;;) {
        const QXmlStreamReader::TokenType token = m_reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            m_attributes = m_reader.attributes();
        if (token != QXmlStreamReader::Invalid)
            return token;
        if (m_reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && !m_fed) {
            const QByteArray chunk = m_zip.read();
            if (chunk.isEmpty())
                m_fed = true;
            else
                m_reader.addData(chunk);
            continue;
        }
        throw brokenWorkbook(m_zip.path(), QStringLiteral("%1 第 %2 行: %3")
                                               .arg(m_member)
                                               .arg(m_reader.lineNumber())
                                               .arg(m_reader.errorString()));
    }
}

QStringView XmlFeed::attribute(QStringView name) const
{
    // By local name, whatever prefix the writer chose for r:id.
    for (const QXmlStreamAttribute &a : m_attributes) {
        if (a.name() == name)
            return a.value();
    }
    return {};
}

} // namespace data
