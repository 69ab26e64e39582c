#include "DbNavigator.h"

#include "FirstShow.h"
#include "MessageBox.h"
#include "StandingQuery.h"

#include <QHBoxLayout>

namespace ui {

namespace {

struct ButtonLook {
    DbNavigator::Button which;
    const char *glyph;
    const char *name;
};

// Glyphs in the order the strip shows them.
const ButtonLook kLooks[] = {
    {DbNavigator::First, "|◀", "First"},  {DbNavigator::Prior, "◀", "Prior"},
    {DbNavigator::Next, "▶", "Next"},     {DbNavigator::Last, "▶|", "Last"},
    {DbNavigator::Insert, "+", "Insert"}, {DbNavigator::Delete, "−", "Delete"},
    {DbNavigator::Edit, "▲", "Edit"},     {DbNavigator::Post, "✓", "Post"},
    {DbNavigator::Cancel, "✗", "Cancel"}, {DbNavigator::Refresh, "↻", "Refresh"},
};

} // namespace

DbNavigator::DbNavigator(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void DbNavigator::bind(data::StandingQuery *query, Buttons visible, const QMap<Button, QString> &hints)
{
    m_query = query;
    for (const ButtonLook &look : kLooks) {
        if (!(visible & look.which))
            continue;
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(look.glyph));
        b->setObjectName(QStringLiteral("nav") + QLatin1String(look.name));
        const QString hint = hints.value(look.which, QString::fromLatin1(look.name));
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setMinimumSize(25, 25);
        b->setFocusPolicy(Qt::NoFocus);
        layout()->addWidget(b);
        m_buttons.insert(look.which, b);
        const Button which = look.which;
        connect(b, &QToolButton::clicked, this, [this, which] { run(which); });
    }
    connect(query, &data::StandingQuery::currentRowChanged, this, &DbNavigator::updateEnabled);
    connect(query, &data::StandingQuery::stateChanged, this, &DbNavigator::updateEnabled);
    connect(query, &data::StandingQuery::refreshed, this, &DbNavigator::updateEnabled);
    showWhenSeen(this, *query, [this] { updateEnabled(); });
}

void DbNavigator::setFlat(bool flat)
{
    for (QToolButton *b : std::as_const(m_buttons))
        b->setAutoRaise(flat);
}

void DbNavigator::run(Button which)
{
    guarded(this, [&] {
        switch (which) {
        case First: m_query->first(); break;
        case Prior: m_query->prior(); break;
        case Next: m_query->next(); break;
        case Last: m_query->last(); break;
        case Insert: m_query->insert(); break;
        case Delete:
            if (m_query->isEmpty() || (m_confirmDelete && !MessageBox::confirmDelete(this)))
                return;
            m_query->deleteCurrent();
            break;
        case Edit: m_query->edit(); break;
        case Post:
            if (m_postCheck && !m_postCheck())
                return;
            m_query->post();
            break;
        case Cancel: m_query->cancel(); break;
        case Refresh: m_query->reopen(); break;
        }
        emit clicked(which);
    });
}

// The buttons follow the state of the query the way a user expects: no
// moving past either end, post and cancel only while there is something to
// post or cancel.
void DbNavigator::updateEnabled()
{
    if (!m_query)
        return;
    const int row = m_query->currentRow();
    const int count = m_query->count();
    const bool browsing = m_query->state() == data::StandingQuery::State::Browse;
    const bool editing = !browsing;
    auto set = [this](Button b, bool on) {
        if (QToolButton *button = m_buttons.value(b))
            button->setEnabled(on);
    };
    set(First, row > 0);
    set(Prior, row > 0);
    set(Next, row >= 0 && row < count - 1);
    set(Last, row >= 0 && row < count - 1);
    set(Insert, m_query->canEdit());
    set(Delete, count > 0);
    set(Edit, browsing && count > 0);
    set(Post, editing && (m_query->isModified() || m_query->state() == data::StandingQuery::State::Insert));
    set(Cancel, editing);
    set(Refresh, true);
}

} // namespace ui
