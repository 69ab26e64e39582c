#include "WorkbookParts.h"

namespace testing {

namespace {

const QByteArray kRelationshipsNs = "http://schemas.openxmlformats.org/package/2006/relationships";
const QByteArray kTypes = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

} // namespace

QByteArray relationship(const QByteArray &id, const QByteArray &type, const QByteArray &target)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + kTypes + type + "\" Target=\"" + target + "\"/>";
}

QByteArray relationships(const QByteArray &list)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<Relationships xmlns=\"" + kRelationshipsNs
           + "\">" + list + "</Relationships>";
}

QByteArray worksheet(const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
           + body + "</worksheet>";
}

QByteArray sheetData(const QByteArray &rows)
{
    return "<sheetData>" + rows + "</sheetData>";
}

QByteArray inlineCell(const QByteArray &reference, const QByteArray &text)
{
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

const QByteArray kSharedStrings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"5\" uniqueCount=\"5\">"
    "<si><t>张三</t></si>"
    "<si><r><rPr><b/></rPr><t>北京</t></r><r><t xml:space=\"preserve\"> 海淀区</t></r>"
    "<rPh sb=\"0\" eb=\"2\"><t>ペキン</t></rPh><phoneticPr fontId=\"1\"/></si>"
    "<si><t xml:space=\"preserve\">  前后有空格  </t></si>"
    "<si><t>第一行_x000D_\n第二行 _x005F_x000D_</t></si>"
    "<si><t>A &amp; B &lt;C&gt;</t></si>"
    "</sst>";

const QByteArray kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<numFmts count=\"4\">"
    "<numFmt numFmtId=\"164\" formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"0.00_);[Red]\\(0.00\\)\"/>"
    "<numFmt numFmtId=\"166\" formatCode=\"&quot;d&quot;0\"/>"
    "<numFmt numFmtId=\"167\" formatCode=\"[$-804]yyyy/m/d\\ h:mm\"/>"
    "</numFmts>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
    "<cellXfs count=\"9\"><xf numFmtId=\"0\" xfId=\"0\"/><xf numFmtId=\"14\" applyNumberFormat=\"1\"/>"
    "<xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"166\"/><xf numFmtId=\"20\"/>"
    "<xf numFmtId=\"167\"/><xf numFmtId=\"31\"/><xf numFmtId=\"49\"/></cellXfs>"
    "</styleSheet>";

Book &Book::sheet(const QByteArray &body)
{
    parts[0].second = worksheet(body);
    return *this;
}

Members Book::members() const
{
    const qsizetype slash = workbookName.lastIndexOf('/');
    Members all{
        {"[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>"},
        {"_rels/.rels", testing::relationships(relationship("rId1", "officeDocument", workbookName))},
        {workbookName,
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
             + workbookPr + "<sheets>" + sheets + "</sheets></workbook>"},
        {workbookName.left(slash) + "/_rels/" + workbookName.mid(slash + 1) + ".rels",
         testing::relationships(relationships)}};
    all.insert(all.end(), parts.begin(), parts.end());
    return all;
}

} // namespace testing
