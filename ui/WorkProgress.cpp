#include "WorkProgress.h"

#include <QApplication>
#include <QLabel>

namespace ui {

WorkProgress::WorkProgress(const QString &text, int total, QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(QStringLiteral("WorkProgress"));
    setWindowTitle(QStringLiteral("Talvero CRM"));
    setWindowModality(Qt::ApplicationModal);
    setCancelButtonText(QStringLiteral("取 消"));
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(500);
    setMinimumWidth(320);
    if (auto *label = findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    setLabelText(text);
    setRange(0, std::max(total, 1));
    setValue(0);
}

bool WorkProgress::step(int done)
{
    // A few times a second is enough for the eye and for 取消; a long piece
    // of work is not slowed by redrawing for every row.
    constexpr int kEveryMs = 50;
    if (m_shown.isValid() && m_shown.elapsed() < kEveryMs)
        return !wasCanceled();
    m_shown.start();
    setValue(std::min(done, maximum()));
    QApplication::processEvents();
    return !wasCanceled();
}

} // namespace ui
