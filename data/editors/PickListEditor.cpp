#include "PickListEditor.h"

#include "DbGrid.h"
#include "DbNavigator.h"
#include "FormParts.h"
#include "TData_in.h"

#include <QToolButton>
#include <QVBoxLayout>

PickListEditor::PickListEditor(const QString &instanceName, const QStringList &lists, const QString &fixedCaption,
                               QWidget *parent)
    : QDialog(parent), m_lists(lists), m_fixedCaption(fixedCaption)
{
    setObjectName(instanceName);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    resize(345, 360);
    if (!fixedCaption.isEmpty())
        setWindowTitle(fixedCaption);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const QString &list : lists) {
        auto *panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("panel_") + list);
        auto *panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        panelLayout->setSpacing(0);
        auto *strip = new QWidget(panel);
        auto *stripLayout = new QHBoxLayout(strip);
        stripLayout->setContentsMargins(2, 2, 2, 2);
        auto *navigator = new ui::DbNavigator(strip);
        stripLayout->addWidget(navigator);
        stripLayout->addStretch();
        auto *grid = new ui::DbGrid(panel);
        panelLayout->addWidget(strip);
        panelLayout->addWidget(grid, 1);
        layout->addWidget(panel);
        panel->setVisible(list == lists.first());
        m_panels.insert(list, panel);
        m_grids.insert(list, grid);
        m_navigators.insert(list, navigator);
    }
}

void PickListEditor::bindData(TData_in &data)
{
    for (const QString &list : std::as_const(m_lists)) {
        data::StandingQuery *query = &data.query(list);
        m_navigators[list]->bind(query, ui::DbNavigator::Insert | ui::DbNavigator::Delete | ui::DbNavigator::Post,
                                 {{ui::DbNavigator::Insert, QStringLiteral("添加")},
                                  {ui::DbNavigator::Delete, QStringLiteral("删除")},
                                  {ui::DbNavigator::Post, QStringLiteral("确定")}});
        m_navigators[list]->setFlat(true);
        ui::GridOptions options;
        options.readOnly = false;
        options.titles = false;
        options.indicator = true;
        options.columnLines = false;
        m_grids[list]->bind(query, {{QStringLiteral("mc1"), QString(), 300}}, options);
    }
}

void PickListEditor::prepare(const QString &list, const QString &caption)
{
    if (m_fixedCaption.isEmpty())
        setWindowTitle(caption);
    for (auto it = m_panels.cbegin(); it != m_panels.cend(); ++it)
        it.value()->setVisible(it.key() == list);
}

void PickListEditor::openOn(const QString &list, const QString &caption)
{
    prepare(list, caption);
    exec();
}

QToolButton *PickListEditor::editButton(QWidget *parent, const QString &editor, const QString &list,
                                        const QString &caption, const QString &name)
{
    QToolButton *button = ui::editListButton(parent, name, [editor, list, caption] {
        if (auto *window = ui::Windows::get<PickListEditor>(editor))
            window->openOn(list, caption);
    });
    button->setObjectName(list + QStringLiteral("Edit"));
    return button;
}

QString PickListEditor::visibleList() const
{
    for (auto it = m_panels.cbegin(); it != m_panels.cend(); ++it) {
        if (!it.value()->isHidden())
            return it.key();
    }
    return {};
}
