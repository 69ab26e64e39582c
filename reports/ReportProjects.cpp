#include "ReportProjects.h"

#include <QFile>
#include <QFileInfo>

namespace reports {

const std::vector<ReportProject> &reportProjects()
{
    static const std::vector<ReportProject> projects{
        {"RvProject1", "Rop/s1.rav", "RvData_lianxiren", "atc1_all", "请先创建客户信息"},
        {"RvProject7", "Rop/s7.rav", "RvData_suoshu", "atc2_all", "请先创建公司信息"},
        {"RvProject3", "Rop/s3.rav", "RvData_huodong", "vtv1_all", "请先创建销售活动"},
        {"RvProject2", "Rop/s2.rav", "RvData_fenxi", "vtv2_all", "请先创建销售分析"},
        {"RvProject4", "Rop/s4.rav", "RvData_chanpin", "vtv4_all", "请先创建产品信息"},
        {"RvProject5", "Rop/s5.rav", "RvData_yuangong", "utm1_all", "请先创建员工档案"},
    };
    return projects;
}

const ReportProject *reportOf(const QString &query)
{
    for (const ReportProject &p : reportProjects()) {
        if (query == QLatin1String(p.query))
            return &p;
    }
    return nullptr;
}

const data::ReportDefinition &ReportLibrary::definition(const ReportProject &project)
{
    const QString name = QString::fromLatin1(project.project);
    if (const auto loaded = m_loaded.find(name); loaded != m_loaded.end())
        return loaded->second;
    const QString path = QFileInfo(m_workDir.filePath(QString::fromLatin1(project.file))).absoluteFilePath();
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw ReportUnavailable(QStringLiteral("The following reporting project does not exist:\n\"%1\"").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportUnavailable(QStringLiteral("%1:%2").arg(path, file.error() == QFileDevice::PermissionsError
                                                                      ? QStringLiteral("没有读取这个文件的权限")
                                                                      : QStringLiteral("无法打开这个文件")));
    // One byte past the most a definition holds tells a file too large without reading it whole.
    const QByteArray bytes = file.read(data::kReportDefinitionMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw ReportUnavailable(QStringLiteral("%1:读取这个文件时出错").arg(path));
    data::ReportDefinition definition;
    try {
        definition = data::parseReportDefinitionFile(bytes, path);
    } catch (const data::ReportFormatError &e) {
        throw ReportUnavailable(e.message());
    }
    if (definition.data != QLatin1String(project.data))
        throw ReportUnavailable(QStringLiteral("%1:这个报表打印 %2 的数据,文件里写的却是“%3”")
                                    .arg(path, QString::fromLatin1(project.data), definition.data.left(40)));
    return m_loaded.emplace(name, std::move(definition)).first->second;
}

} // namespace reports
