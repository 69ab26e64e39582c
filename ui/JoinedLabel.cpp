#include "FormParts.h"

#include "FieldLink.h"

namespace ui {

JoinedLabel::JoinedLabel(QWidget *parent, const QStringList &columns, const QStringList &between,
                         const QString &description)
    : QLabel(parent), m_columns(columns), m_between(between), m_parts(columns.size())
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!description.isEmpty())
        setAccessibleDescription(description);
    showParts();
}

void JoinedLabel::bind(data::StandingQuery *query)
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        new FieldLink(this, query, m_columns[i], [this, i](const QString &value, bool) {
            m_parts[i] = value;
            showParts();
        });
    }
}

void JoinedLabel::cutWithHint()
{
    m_hint = true;
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    showParts();
}

void JoinedLabel::showParts()
{
    QString shown;
    for (qsizetype i = 0; i < m_parts.size(); ++i) {
        if (i > 0)
            shown += m_between.value(i - 1);
        shown += m_parts[i];
    }
    setText(shown);
    // A hint takes markup for markup; this one shows the value as it is.
    if (m_hint)
        setToolTip(shown.isEmpty() ? QString() : Qt::convertFromPlainText(shown, Qt::WhiteSpacePre));
}

} // namespace ui
