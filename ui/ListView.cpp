#include "ListView.h"

#include "DbNavigator.h"
#include "DeletePanel.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "Shell.h"
#include "StandingQuery.h"

#include <QHBoxLayout>
#include <QToolBar>
#include <QVBoxLayout>

namespace ui {

ListView::ListView(const QString &name, const ListTexts &texts, QWidget *parent, StripNavigator navigator)
    : QFrame(parent), m_texts(texts), m_navigator(navigator)
{
    setObjectName(name);
    setAccessibleName(texts.caption);
    DBGrid1 = new DbGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(texts.caption);
    QStringList question{QStringLiteral("您确定要继续?")};
    if (!texts.warning.isEmpty())
        question.prepend(texts.warning);
    m_deletePanel = new DeletePanel(texts.deleteTitle, question, this);
    connect(m_deletePanel, &DeletePanel::deleteRequested, this, &ListView::deleteConfirmed);
    connect(m_deletePanel, &DeletePanel::cancelled, this, &ListView::closeDeletePanel);
}

void ListView::layOut(QToolBar *toolBar, const QList<QWidget *> &more, QWidget *top)
{
    m_toolBar = toolBar;
    m_top = top;
    m_strip = createStrip(more);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (top)
        layout->addWidget(top);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_strip);
    layout->addWidget(DBGrid1, 1);
}

QWidget *ListView::createStrip(const QList<QWidget *> &more)
{
    auto *strip = new QWidget(this);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(captionBox(m_texts.caption, strip));
    if (m_navigator == StripNavigator::Shown) {
        DBNavigator1 = new DbNavigator(strip);
        DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
        row->addWidget(DBNavigator1);
    }
    for (QWidget *w : more) {
        w->setParent(strip);
        row->addWidget(w);
    }
    if (!m_texts.banner.isEmpty())
        row->addWidget(banner(m_texts.banner, strip));
    row->addStretch();
    return strip;
}

void ListView::bindList(data::StandingQuery *query, std::vector<GridColumn> columns)
{
    m_query = query;
    DBGrid1->bind(query, std::move(columns));
    if (DBNavigator1)
        DBNavigator1->bind(query, DbNavigator::First | DbNavigator::Prior | DbNavigator::Next | DbNavigator::Last,
                           {{DbNavigator::First, QStringLiteral("第一条")},
                            {DbNavigator::Prior, QStringLiteral("上一条")},
                            {DbNavigator::Next, QStringLiteral("下一条")},
                            {DbNavigator::Last, QStringLiteral("最后")}});
    if (Shell *shell = Shell::instance())
        shell->registerListGrid(DBGrid1);
}

bool ListView::hasRows()
{
    if (m_query && !m_query->isEmpty())
        return true;
    MessageBox::information(this, m_texts.none);
    return false;
}

void ListView::deleteClick()
{
    if (!hasRows())
        return;
    setBrowsing(false);
    m_deletePanel->popUp(DBGrid1, *m_query);
}

// Deletes the row the panel asked about, and nothing else; when the database
// refuses, or that row is no longer the current one, the panel stays up.
void ListView::deleteConfirmed(const QString &key)
{
    if (!guarded(this, [&] { m_query->deleteConfirmed(key); }))
        return;
    closeDeletePanel();
    MessageBox::information(this, m_texts.deleted);
}

void ListView::closeDeletePanel()
{
    m_deletePanel->dismiss();
    setBrowsing(true);
}

void ListView::setBrowsing(bool browsing)
{
    if (Shell *shell = Shell::instance())
        shell->setNavigationEnabled(browsing);
    m_toolBar->setEnabled(browsing);
    DBGrid1->setEnabled(browsing);
    if (m_deleteLock != DeleteLock::ToolbarAndGrid)
        m_strip->setEnabled(browsing);
    if (m_deleteLock == DeleteLock::WholeView && m_top)
        m_top->setEnabled(browsing);
}

} // namespace ui
