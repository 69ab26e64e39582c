#include "AnalysisLists.h"

#include "FormParts.h"
#include "WindowNames.h"
#include "Windows.h"
#include "data/editors/PickListEditor.h"

#include <QToolButton>

namespace analyses {

QToolButton *listEditButton(QWidget *parent, const AnalysisList &list)
{
    const QString caption = QString::fromUtf8(list.caption);
    const QString table = QString::fromLatin1(list.table);
    QToolButton *button = ui::editListButton(parent, QStringLiteral("编辑") + caption, [caption, table] {
        if (auto *editor = ui::Windows::get<PickListEditor>(ui::names::Tlist_fenxi))
            editor->openOn(table, caption);
    });
    button->setObjectName(table + QStringLiteral("Edit"));
    return button;
}

} // namespace analyses
