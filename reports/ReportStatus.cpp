#include "ReportStatus.h"

#include <QApplication>
#include <QLabel>

namespace reports {

ReportStatus::ReportStatus(QWidget *parent) : QProgressDialog(parent)
{
    setObjectName(QStringLiteral("ReportStatus"));
    setWindowTitle(QStringLiteral("Talvero CRM"));
    setWindowModality(Qt::ApplicationModal);
    setCancelButtonText(QStringLiteral("取 消"));
    // The number of pages is not known before the last is laid out: the bar
    // shows that work goes on.
    setRange(0, 0);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    // Plain text, and the same length for every page number.
    if (auto *label = findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    setMinimumWidth(320);
}

bool ReportStatus::tell(const QString &text, int page)
{
    // A few times a second is enough for the eye and for 取消; a long report
    // is not slowed by repainting the window for every page.
    constexpr int kEveryMs = 40;
    if (m_shown.isValid() && m_shown.elapsed() < kEveryMs && text == m_text)
        return !wasCanceled();
    if (!isVisible())
        QProgressDialog::show();
    m_text = text;
    m_shown.start();
    setLabelText(QString(text).replace(QStringLiteral("%p"), QString::number(page)));
    QApplication::processEvents();
    return !wasCanceled();
}

bool ReportStatus::preparing(int page)
{
    return tell(QStringLiteral("正在准备页面 %p"), page);
}

bool ReportStatus::printing(int page)
{
    return tell(QStringLiteral("准备打印 %p"), page);
}

} // namespace reports
