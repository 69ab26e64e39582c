#include "Tnew_gongsi.h"

#include "CompanyForm.h"
#include "DbControls.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kInsert = QStringLiteral(
    "insert into atc2 (c1,c2,c3,c4,c5,c6,c7,c8,c9,c10,c11,c12,c13,c14,c15,c16,c17) "
    "values (:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m,:n,:o,:p,:q)");
// After a new company the standing memo query lists the memos of all companies.
const QString kCompanyMemos = QStringLiteral("select * from vtv3 where j5 like '2' order by jid desc");
const QString kRequired = QStringLiteral("请将标有*号项填写完整");

const char *const kRatings[] = {"一", "二", "三", "四", "五"};

} // namespace

Tnew_gongsi::Tnew_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_gongsi"));
    setWindowTitle(QStringLiteral("新建公司信息"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
    installKeyFilters();
    connectActions();
    reset();
}

void Tnew_gongsi::createLayout()
{
    m_form = new CompanyForm(this);

    Edit12 = new QLineEdit(this);
    Edit12->setObjectName(QStringLiteral("Edit12"));
    ui::limitText(Edit12, ui::kNoLimit);
    Edit12->hide();

    auto *ratingBox = new QGroupBox(QStringLiteral("评级"), this);
    auto *ratingLayout = new QHBoxLayout(ratingBox);
    m_rating = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(kRatings[i]), ratingBox);
        ratingLayout->addWidget(radio);
        m_rating->addButton(radio, i + 1);
    }

    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setAutoDefault(false);
    m_form->setBottomRow(ratingBox, {m_ok, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

// Typed characters only: what is pasted is taken as it is.
void Tnew_gongsi::installKeyFilters()
{
    using Mode = ui::KeyFilter::Mode;
    for (QWidget *w : std::initializer_list<QWidget *>{m_form->Edit1, m_form->Edit5, m_form->Edit3, m_form->Edit9,
                                                       m_form->RichEdit1})
        ui::KeyFilter::install(w, Mode::NoSpace);
    for (QWidget *w : std::initializer_list<QWidget *>{m_form->Edit4, m_form->Edit7, m_form->Edit10, m_form->Edit8,
                                                       m_form->Edit11, m_form->Edit13})
        ui::KeyFilter::install(w, Mode::Digits);
    ui::KeyFilter::install(m_form->Edit2, Mode::LowerWeb, QStringLiteral("-"));
    ui::KeyFilter::install(m_form->Edit6, Mode::LowerWeb, QStringLiteral("."));
}

void Tnew_gongsi::connectActions()
{
    // A button writes its digit only when it becomes the chosen one.
    connect(m_rating, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Edit12->setText(QString::number(id));
    });
    connect(m_ok, &QPushButton::clicked, this, &Tnew_gongsi::Button1Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    m_form->setPickLists(data);
}

void Tnew_gongsi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void Tnew_gongsi::reset()
{
    for (QLineEdit *e : std::initializer_list<QLineEdit *>{m_form->Edit1, m_form->Edit5, m_form->Edit2, m_form->Edit3,
                                                           m_form->Edit4, m_form->Edit6, m_form->Edit10, m_form->Edit11,
                                                           m_form->Edit13, m_form->Edit9})
        e->clear();
    m_form->Edit7->setText(QStringLiteral("0"));
    m_form->Edit8->setText(QStringLiteral("0"));
    Edit12->setText(QStringLiteral("1"));
    m_rating->button(1)->setChecked(true);
    m_form->RichEdit1->clear();
    for (ui::PickListCombo *combo : {m_form->DBBox2, m_form->DBBox3, m_form->DBBox1})
        combo->clearChoice();
    m_form->Edit1->setFocus();
}

void Tnew_gongsi::Button1Click()
{
    if (m_form->Edit1->text().isEmpty() || m_form->Edit10->text().isEmpty()) {
        ui::MessageBox::warning(this, kRequired);
        return;
    }
    ui::guarded(this, [&] {
        const CompanyForm &f = *m_form;
        m_data->Con_data().execute(kInsert, {{":a", f.Edit1->text()},
                                             {":b", f.Edit2->text()},
                                             {":c", f.Edit5->text()},
                                             {":d", f.Edit3->text()},
                                             {":e", f.Edit4->text()},
                                             {":f", f.Edit6->text()},
                                             {":g", f.DBBox1->text()},
                                             {":h", f.Edit9->text()},
                                             {":i", f.DBBox2->text()},
                                             {":j", f.DBBox3->text()},
                                             {":k", f.Edit10->text()},
                                             {":l", f.Edit11->text()},
                                             {":m", f.RichEdit1->toPlainText()},
                                             {":n", f.Edit7->text()},
                                             {":o", f.Edit8->text()},
                                             {":p", f.Edit13->text()},
                                             {":q", Edit12->text()}});
        accept();
        m_data->atc2_all().reset();
        m_data->vtv3_all().filter(kCompanyMemos);
    });
}
