#pragma once

#include "ReportOutput.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QString>

namespace reports {

// The status window of a report being made: "正在准备页面 %p" while its pages
// are laid out, "准备打印 %p" while they go out, %p the page; titled
// "Talvero CRM". Its 取消 stops the run.
class ReportStatus : public QProgressDialog, public ReportProgress {
    Q_OBJECT
public:
    explicit ReportStatus(QWidget *parent = nullptr);

    bool preparing(int page) override;
    bool printing(int page) override;

private:
    // Shows the text with its page number; false once 取 消 was pressed.
    bool tell(const QString &text, int page);

    QElapsedTimer m_shown; // when the text last changed
    QString m_text;        // the text before its page number
};

} // namespace reports
