#include "EmployeeCaptions.h"

#include "WindowNames.h"
#include "data/editors/PickListEditor.h"

#include <QMap>

namespace employees {

QString captionOf(const QString &column)
{
    static const QMap<QString, QString> captions{
        {"u1", "中文名:"},     {"u2", "英文名:"},     {"u20", "性  别:"},   {"u6", "民  族:"},
        {"u8", "身份证号:"},   {"u9", "学    历:"},   {"u10", "毕业学校:"}, {"u11", "所学专业:"},
        {"u12", "工作年限:"},  {"u7", "籍    贯:"},   {"u19", "状  态:"},   {"u5", "部  门:"},
        {"u4", "职  务:"},     {"u17", "入司时间:"},  {"u18", "转正时间:"}, {"u13", "居住地:"},
        {"u14", "邮 编:"},     {"u15", "电  话:"},    {"u16", "手 机:"},    {"u22", "E-mail:"},
    };
    return captions.value(column);
}

QToolButton *listEditButton(QWidget *parent, const EmployeeList &list)
{
    const QString caption = QString::fromUtf8(list.caption);
    return PickListEditor::editButton(parent, ui::names::Tlist_user, QString::fromLatin1(list.table), caption,
                                      QStringLiteral("编辑") + caption);
}

} // namespace employees
