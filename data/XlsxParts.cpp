#include "XlsxParts.h"

#include "SheetMessages.h"
#include "XmlFeed.h"
#include "ZipReader.h"

#include <QDir>
#include <QHash>
#include <QUrl>
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
QHash<QString, Relationship> readRelationships(ZipReader &zip, const QString &part)
{
    const QString folder = folderOf(part);
    const QString rels = (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/")
                         + part.mid(folder.isEmpty() ? 0 : folder.size() + 1) + QStringLiteral(".rels");
    QHash<QString, Relationship> found;
    if (!zip.contains(rels))
        return found;
    XmlFeed xml(zip, rels);
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
        XmlFeed xml(zip, workbook);
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

void StringItem::characters(QStringView text)
{
    if (m_inText > 0 && m_inPhonetic == 0)
        m_text += text;
}

QString StringItem::take()
{
    m_inText = m_inPhonetic = 0;
    return unescapedText(std::exchange(m_text, QString()));
}

void SharedStrings::read(ZipReader &zip, const QString &member)
{
    XmlFeed xml(zip, member);
    StringItem item;
    bool inItem = false;
    for (auto token = xml.next(); token != QXmlStreamReader::EndDocument; token = xml.next()) {
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"si")
                inItem = true;
            else if (inItem)
                item.start(xml.name());
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == u"si") {
                m_text += item.take();
                m_ends.push_back(m_text.size());
                inItem = false;
            } else if (inItem) {
                item.end(xml.name());
            }
        } else if (token == QXmlStreamReader::Characters && inItem) {
            item.characters(xml.text());
        }
    }
}

QString SharedStrings::at(qsizetype index) const
{
    const qsizetype begin = index == 0 ? 0 : m_ends[size_t(index - 1)];
    return m_text.mid(begin, m_ends[size_t(index)] - begin);
}

std::vector<DateKind> readDateStyles(ZipReader &zip, const QString &member)
{
    QHash<int, DateKind> custom;
    std::vector<DateKind> styles;
    bool inCellStyles = false;
    XmlFeed xml(zip, member);
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
