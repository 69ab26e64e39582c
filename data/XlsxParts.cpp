#include "XlsxParts.h"

#include "SheetMessages.h"
#include "SheetRead.h"
#include "XmlFeed.h"
#include "ZipReader.h"

#include <QDir>
#include <QHash>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace data {

namespace {

struct Relationship {
    QString type;
    QString target; // a member of the zip
};

bool isType(const QString &type, QStringView kind)
{
    return type.endsWith(u'/' + kind.toString());
}

// A relationship's target as a member name: relative to the folder of the
// part that names it, or from the package root when it starts with "/".
QString memberOf(const QString &folder, const QString &target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    const QString path = decoded.startsWith(u'/') ? decoded.mid(1)
                         : folder.isEmpty()       ? decoded
                                                  : folder + u'/' + decoded;
    const QString clean = QDir::cleanPath(path);
    return clean.startsWith(QStringLiteral("..")) ? QString() : clean;
}

QString folderOf(const QString &member)
{
    const qsizetype slash = member.lastIndexOf(u'/');
    return slash < 0 ? QString() : member.left(slash);
}

// The relationships that a part names, from "<folder>/_rels/<name>.rels" (the
// package's own from "_rels/.rels"), by id. Targets outside the package are
// left out.
// A part read whole before the sheet: relationships, the workbook, the styles.
XmlFeed smallPart(ZipReader &zip, const QString &member)
{
    const QString path = zip.path();
    return XmlFeed(zip, member, kLargestPart, [path, member] {
        return brokenWorkbook(path, QStringLiteral("%1 中有一段内容过长").arg(member));
    });
}

QHash<QString, Relationship> readRelationships(ZipReader &zip, const QString &part)
{
    const QString folder = folderOf(part);
    const QString rels = (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/")
                         + part.mid(folder.isEmpty() ? 0 : folder.size() + 1) + QStringLiteral(".rels");
    QHash<QString, Relationship> found;
    if (!zip.contains(rels))
        return found;
    XmlFeed xml = smallPart(zip, rels);
    for (auto token = xml.next(); token != QXmlStreamReader::EndDocument; token = xml.next()) {
        if (token != QXmlStreamReader::StartElement || xml.name() != u"Relationship"
            || xml.attribute(u"TargetMode") == u"External")
            continue;
        found.insert(xml.attribute(u"Id").toString(),
                     {xml.attribute(u"Type").toString(), memberOf(folder, xml.attribute(u"Target").toString())});
    }
    return found;
}

QString mainPart(ZipReader &zip)
{
    const QString fallback = QStringLiteral("xl/workbook.xml");
    for (const Relationship &r : readRelationships(zip, QString())) {
        if (isType(r.type, u"officeDocument") && !r.target.isEmpty())
            return r.target;
    }
    return fallback;
}

} // namespace

WorkbookParts findWorkbookParts(ZipReader &zip)
{
    const QString workbook = mainPart(zip);
    QStringList sheetIds; // in workbook order
    WorkbookParts parts;
    {
        XmlFeed xml = smallPart(zip, workbook);
        for (auto token = xml.next(); token != QXmlStreamReader::EndDocument; token = xml.next()) {
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"sheet")
                sheetIds << xml.attribute(u"id").toString();
            else if (xml.name() == u"workbookPr")
                parts.date1904 = xml.attribute(u"date1904") == u"1" || xml.attribute(u"date1904") == u"true";
        }
    }
    const QHash<QString, Relationship> rels = readRelationships(zip, workbook);
    for (const QString &id : sheetIds) {
        const auto r = rels.constFind(id);
        if (r == rels.cend())
            throw brokenWorkbook(zip.path(), QStringLiteral("找不到工作表 %1").arg(id));
        if (isType(r->type, u"worksheet")) { // chart sheets hold no table
            parts.sheet = r->target;
            break;
        }
    }
    if (parts.sheet.isEmpty())
        throw brokenWorkbook(zip.path(), QStringLiteral("工作簿中没有工作表"));
    for (const Relationship &r : rels) {
        if (isType(r.type, u"sharedStrings"))
            parts.sharedStrings = r.target;
        else if (isType(r.type, u"styles"))
            parts.styles = r.target;
    }
    return parts;
}

void StringItem::start(QStringView element)
{
    if (element == u"t")
        ++m_inText;
    else if (element == u"rPh")
        ++m_inPhonetic;
}

void StringItem::end(QStringView element)
{
    if (element == u"t")
        --m_inText;
    else if (element == u"rPh")
        --m_inPhonetic;
}

bool StringItem::characters(QStringView text)
{
    if (m_inText > 0 && m_inPhonetic == 0)
        m_text += text;
    return m_text.size() <= qsizetype(kLongestCell) * kLongestEscape;
}

QString StringItem::take()
{
    m_inText = m_inPhonetic = 0;
    return unescapedText(std::exchange(m_text, QString()));
}

namespace {

// What the table of shared strings takes to begin with, in characters and in entries.
constexpr qsizetype kFirstBlock = qsizetype(1) << 16;

} // namespace

SharedStrings::SharedStrings(const QString &path, const QString &member, ZipReader::Allowance &allowance,
                             const std::function<void()> &chunkRead)
    : m_zip(path, allowance)
{
    m_zip.onChunk(chunkRead);
    if (member.isEmpty() || !m_zip.contains(member)) {
        m_atEnd = true;
        return;
    }
    m_xml = std::make_unique<XmlFeed>(m_zip, member, kMostUnpacked, [path] { return longCellSomewhere(path); });
}

SharedStrings::~SharedStrings() = default;

bool SharedStrings::readOne()
{
    bool inItem = false;
    while (!m_atEnd) {
        const auto token = m_xml->next();
        if (token == QXmlStreamReader::StartElement) {
            if (m_xml->name() == u"si")
                inItem = true;
            else if (inItem)
                m_item.start(m_xml->name());
        } else if (token == QXmlStreamReader::EndElement) {
            if (m_xml->name() == u"si") {
                const QString text = m_item.take();
                if (text.size() > kLongestCell)
                    throw longCellSomewhere(m_zip.path());
                if (qsizetype(m_ends.size()) >= kMostSharedStrings || m_text.size() + text.size() > kMostSharedCharacters)
                    throw manySharedStrings(m_zip.path());
                // Grown by a quarter at a time, not doubled: the table may come near its bound.
                if (m_text.capacity() - m_text.size() < text.size())
                    m_text.reserve(m_text.size() + std::max(m_text.size() / 4, kFirstBlock) + text.size());
                if (m_ends.capacity() == m_ends.size())
                    m_ends.reserve(m_ends.size() + std::max(m_ends.size() / 4, size_t(kFirstBlock)));
                m_text += text;
                m_ends.push_back(quint32(m_text.size()));
                return true;
            }
            if (inItem)
                m_item.end(m_xml->name());
        } else if (token == QXmlStreamReader::Characters && inItem) {
            if (!m_item.characters(m_xml->text()))
                throw longCellSomewhere(m_zip.path());
        } else if (token == QXmlStreamReader::EndDocument) {
            m_atEnd = true;
        }
    }
    return false;
}

void SharedStrings::readToEnd()
{
    while (readOne()) {
    }
}

std::optional<QString> SharedStrings::at(qsizetype index)
{
    while (index >= qsizetype(m_ends.size()) && readOne()) {
    }
    if (index < 0 || index >= qsizetype(m_ends.size()))
        return std::nullopt;
    const qsizetype begin = index == 0 ? 0 : qsizetype(m_ends[size_t(index - 1)]);
    return m_text.mid(begin, qsizetype(m_ends[size_t(index)]) - begin);
}

std::vector<DateKind> readDateStyles(ZipReader &zip, const QString &member)
{
    QHash<int, DateKind> custom;
    std::vector<DateKind> styles;
    bool inCellStyles = false;
    XmlFeed xml = smallPart(zip, member);
    for (auto token = xml.next(); token != QXmlStreamReader::EndDocument; token = xml.next()) {
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"numFmt") {
                custom.insert(xml.attribute(u"numFmtId").toInt(), codeDateKind(xml.attribute(u"formatCode")));
            } else if (xml.name() == u"cellXfs") {
                inCellStyles = true;
            } else if (xml.name() == u"xf" && inCellStyles) {
                const int id = xml.attribute(u"numFmtId").toInt();
                styles.push_back(custom.value(id, builtInDateKind(id)));
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs") {
            inCellStyles = false;
        }
    }
    return styles;
}

} // namespace data
