#include "DefaultReports.h"

#include "PrivateFile.h"

namespace data {

namespace {

using A = Alignment;
using O = Overflow;

const QString kHeader = QStringLiteral("Talvero CRM | {title} | {date}");
const QString kFooter = QStringLiteral("| 第 {page} 页,共 {pages} 页 |");

ReportDefinition report(const char *title, const char *data, std::vector<ReportColumn> columns)
{
    return {QString::fromUtf8(title), QString::fromLatin1(data), true, 9, kHeader, kFooter, std::move(columns)};
}

} // namespace

const std::vector<DefaultReport> &defaultReports()
{
    // Landscape A4 leaves 277 mm between the margins; each report fills it.
    static const std::vector<DefaultReport> reports{
        {"s1.rav", report("客户清单表", "RvData_lianxiren",
                          {{"aid", "编号", 14, A::Right, O::Cut},
                           {"a1", "中文名", 24, A::Left, O::Wrap},
                           {"a12", "称呼", 12, A::Center, O::Cut},
                           {"a2", "英文名", 28, A::Left, O::Wrap},
                           {"a18", "公司", 60, A::Left, O::Wrap},
                           {"a13", "部门", 24, A::Left, O::Wrap},
                           {"a26", "职务", 22, A::Left, O::Wrap},
                           {"a3", "电话", 25, A::Left, O::Cut},
                           {"a5", "手机", 25, A::Left, O::Cut},
                           {"a8", "E-mail", 43, A::Left, O::Wrap}})},
        {"s7.rav", report("公司清单表", "RvData_suoshu",
                          {{"cid", "编号", 14, A::Right, O::Cut},
                           {"c1", "公司名称", 62, A::Left, O::Wrap},
                           {"c2", "英文名称", 40, A::Left, O::Wrap},
                           {"c4", "地址", 62, A::Left, O::Wrap},
                           {"c11", "总机", 25, A::Left, O::Cut},
                           {"c9", "所属行业", 30, A::Left, O::Wrap},
                           {"c7", "关系", 20, A::Center, O::Cut},
                           {"c17", "评级", 24, A::Center, O::Cut}})},
        {"s3.rav", report("销售活动表", "RvData_huodong",
                          {{"eid", "编号", 14, A::Right, O::Cut},
                           {"e15", "状态", 16, A::Center, O::Cut},
                           {"e5", "活动类型", 18, A::Center, O::Cut},
                           {"e3", "日期时间", 32, A::Left, O::Cut},
                           {"e11", "客户", 24, A::Left, O::Wrap},
                           {"e13", "称呼", 12, A::Center, O::Cut},
                           {"e7", "目标", 45, A::Left, O::Wrap},
                           {"e8", "持续时间", 18, A::Center, O::Cut},
                           {"e6", "优先级", 14, A::Center, O::Cut},
                           {"e9", "详细", 84, A::Left, O::Wrap}})},
        {"s2.rav", report("销售分析表", "RvData_fenxi",
                          {{"hid", "编号", 14, A::Right, O::Cut},
                           {"h9", "当前进度", 30, A::Left, O::Wrap},
                           {"h12", "客户姓名", 24, A::Left, O::Wrap},
                           {"h2", "有意向的产品", 50, A::Left, O::Wrap},
                           {"h3", "销售类型", 22, A::Left, O::Wrap},
                           {"h4", "数量", 20, A::Right, O::Cut},
                           {"h5", "单价", 22, A::Right, O::Cut},
                           {"h6", "总计", 32, A::Right, O::Cut},
                           {"h7", "预计签单日", 25, A::Center, O::Cut},
                           {"h8", "概率", 14, A::Right, O::Cut},
                           {"h10", "主要竞争对手", 24, A::Left, O::Wrap}})},
        {"s4.rav", report("产品清单表", "RvData_chanpin",
                          {{"oid", "编号", 14, A::Right, O::Cut},
                           {"o11", "状态", 16, A::Center, O::Cut},
                           {"o1", "名称", 55, A::Left, O::Wrap},
                           {"o10", "库存量", 20, A::Right, O::Cut},
                           {"o2", "大类", 30, A::Left, O::Wrap},
                           {"o3", "细类1", 25, A::Left, O::Wrap},
                           {"o4", "细类2", 25, A::Left, O::Wrap},
                           {"o5", "成本价", 22, A::Right, O::Cut},
                           {"o6", "销售底价", 22, A::Right, O::Cut},
                           {"o7", "销售标准价", 24, A::Right, O::Cut},
                           {"o8", "创建日期", 24, A::Center, O::Cut}})},
        {"s5.rav", report("员工清单表", "RvData_yuangong",
                          {{"uid", "编号", 14, A::Right, O::Cut},
                           {"u19", "状态", 16, A::Center, O::Cut},
                           {"u1", "中文名", 24, A::Left, O::Wrap},
                           {"u2", "英文名", 26, A::Left, O::Wrap},
                           {"u20", "性别", 12, A::Center, O::Cut},
                           {"u4", "职务", 26, A::Left, O::Wrap},
                           {"u5", "部门", 26, A::Left, O::Wrap},
                           {"u15", "电话", 28, A::Left, O::Cut},
                           {"u16", "手机", 26, A::Left, O::Cut},
                           {"u22", "E-mail", 40, A::Left, O::Wrap},
                           {"u8", "身份证号", 39, A::Left, O::Cut}})},
    };
    return reports;
}

QStringList writeReportsIfMissing(const QDir &workDir)
{
    const QString folder = workDir.filePath(QString::fromLatin1(kReportFolder));
    makePrivateFolder(folder);
    QStringList written;
    for (const DefaultReport &report : defaultReports()) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(report.file));
        if (writePrivateFileIfMissing(path, reportDefinitionText(report.definition).toUtf8()))
            written << path;
    }
    return written;
}

} // namespace data
