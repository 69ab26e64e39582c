#include "Tedit_beiwang.h"

#include "FormParts.h"
#include "TData_in.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tedit_beiwang::Tedit_beiwang(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_beiwang"));
    setWindowTitle(QStringLiteral("修改备忘"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
}

void Tedit_beiwang::createLayout()
{
    auto *content = new QGroupBox(QStringLiteral("备忘内容"), this);
    Label_date = ui::valueLabel(content, QStringLiteral("日期"));
    Memo1 = new QPlainTextEdit(content);
    Memo1->setAccessibleName(QStringLiteral("备忘内容"));
    Memo1->setReadOnly(true);
    Memo1->setFixedSize(360, 150);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(Label_date);
    contentLayout->addWidget(Memo1);

    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(content);
    outer->addLayout(buttons);
}

void Tedit_beiwang::bindData(TData_in &data)
{
    m_data = &data;
}

void Tedit_beiwang::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown again by the window system (the program restored): kept as it was.
    if (event->spontaneous())
        return;
    if (m_data) {
        const data::StandingQuery &memos = m_data->vtv3_all();
        Label_date->setText(memos.field(QStringLiteral("j2")) + u' ' + memos.field(QStringLiteral("j3")));
        Memo1->setPlainText(memos.field(QStringLiteral("j4")));
    }
    ui::centreOnScreen(this);
}
