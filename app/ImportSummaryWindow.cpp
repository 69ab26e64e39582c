#include "ImportSummaryWindow.h"

#include "DbError.h"
#include "FileChoice.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "PrivateFile.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

ImportSummaryWindow::ImportSummaryWindow(const QString &summary, QWidget *parent)
    : QDialog(parent), m_summary(summary)
{
    ui::setUpWindow(this, QStringLiteral("import_summary"), QStringLiteral("导入结果"));
    auto *text = new QPlainTextEdit(summary, this);
    text->setObjectName(QStringLiteral("summaryText"));
    text->setReadOnly(true);
    text->setAccessibleName(QStringLiteral("导入结果"));
    text->setMinimumSize(560, 320);
    auto *buttons = new QDialogButtonBox(this);
    auto *saveButton = buttons->addButton(QStringLiteral("保存(&S)..."), QDialogButtonBox::ActionRole);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    buttons->addButton(QStringLiteral("关 闭"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("closeButton"));
    connect(saveButton, &QPushButton::clicked, this, &ImportSummaryWindow::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportSummaryWindow::accept);
    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(text);
    outer->addWidget(buttons);
}

void ImportSummaryWindow::save()
{
    const QString offered = QDir(ui::documentsFolder())
                                .filePath(QStringLiteral("导入结果-%1.txt")
                                              .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存导入结果"), offered,
                                                      QStringLiteral("文本文件 (*.txt)"));
    if (path.isEmpty())
        return;
    try {
        data::writePrivateFile(path, m_summary.toUtf8());
    } catch (const data::DbError &e) {
        ui::MessageBox::error(this, e.message());
    }
}

} // namespace app
