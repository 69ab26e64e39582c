#include "CompanyViewDetails.h"

#include "FirstShow.h"
#include "FormParts.h"
#include "StandingQuery.h"
#include "StarRating.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QColor kHeadingGreen(0x00, 0x80, 0x00);
constexpr int kHeadingPixels = 18;

// Keeps a widget's texts and pictures following the current row of a query:
// on a move, a refresh, and a change of the row's values.
template <typename Show> void follow(QWidget *owner, data::StandingQuery *query, Show show)
{
    QObject::connect(query, &data::StandingQuery::currentRowChanged, owner, show);
    QObject::connect(query, &data::StandingQuery::stateChanged, owner, show);
    QObject::connect(query, &QAbstractItemModel::dataChanged, owner, show);
    ui::showWhenSeen(owner, *query, show);
}

} // namespace

CompanyViewDetails::CompanyViewDetails(QWidget *parent) : QGroupBox(QStringLiteral("公司基本信息"), parent)
{
    auto *lines = new QGridLayout;
    lines->setHorizontalSpacing(8);
    lines->setVerticalSpacing(6);
    lines->setColumnStretch(1, 1);
    lines->setColumnStretch(4, 1);
    lines->setColumnMinimumWidth(2, 12); // between the two halves
    ui::FormGrid rows(this, lines);

    ui::JoinedLabel *heading = addValue(this, {"c1"}, {}, QStringLiteral("公司名称"));
    QFont large = heading->font();
    large.setPixelSize(kHeadingPixels);
    large.setBold(true);
    heading->setFont(large);
    QPalette green = heading->palette();
    green.setColor(QPalette::WindowText, kHeadingGreen);
    heading->setPalette(green);
    rows.addSpanning(heading, 5);
    rows.nextLine();

    // Two captioned values a line, the left half and the right.
    const struct {
        const char *caption;
        QStringList columns;
        QStringList between;
    } values[] = {
        {"英文名称:", {"c2"}, {}},
        {"简    称:", {"c3"}, {}},
        {"总    机:", {"c14", "c11"}, {"-"}},
        {"传    真:", {"c15", "c12", "c16"}, {"-", QStringLiteral(" 转 ")}},
        {"地    址:", {"c4", "c5"}, {","}},
        {"网    站:", {"c6"}, {}},
        {"关    系:", {"c7"}, {}},
        {"主要产品:", {"c8"}, {}},
        {"所属行业:", {"c9"}, {}},
        {"销售规模:", {"c10"}, {}},
    };
    for (size_t i = 0; i < std::size(values); ++i) {
        rows.add(QString::fromUtf8(values[i].caption), addValue(this, values[i].columns, values[i].between));
        if (i % 2 == 0)
            rows.skip();
        else
            rows.nextLine();
    }

    auto *boxes = new QVBoxLayout;
    boxes->setSpacing(6);
    boxes->addWidget(createNumberBox());
    boxes->addWidget(createRatingBox());
    boxes->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(12);
    layout->addLayout(lines, 1);
    layout->addLayout(boxes);
}

// A value is shown in full when there is room and cut off at the right when
// there is not; the whole text is in its hint.
ui::JoinedLabel *CompanyViewDetails::addValue(QWidget *parent, const QStringList &columns, const QStringList &between,
                                              const QString &description)
{
    auto *value = new ui::JoinedLabel(parent, columns, between, description);
    value->cutWithHint();
    m_values.append(value);
    return value;
}

QWidget *CompanyViewDetails::createNumberBox()
{
    auto *box = new QGroupBox(QStringLiteral("编号"), this);
    box->setAccessibleName(box->title()); // inside another group, a box would be read by that one's title
    QLabel *number = addValue(box, {"cid"}); // the box's title is its label
    number->setAlignment(Qt::AlignCenter);
    number->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(number);
    return box;
}

QWidget *CompanyViewDetails::createRatingBox()
{
    auto *box = new QGroupBox(QStringLiteral("级别"), this);
    box->setAccessibleName(box->title()); // inside another group, a box would be read by that one's title
    m_rating = new ui::StarRating(box); // the box's title is its label
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 2, 8, 6);
    layout->addWidget(m_rating, 0, Qt::AlignCenter);
    return box;
}

void CompanyViewDetails::bind(data::StandingQuery *companies)
{
    for (ui::JoinedLabel *value : std::as_const(m_values))
        value->bind(companies);
}

CompanyViewDescription::CompanyViewDescription(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
}

void CompanyViewDescription::bind(data::StandingQuery *companies, const QString &column)
{
    m_companies = companies;
    m_column = column;
    follow(this, companies, [this] { showCompany(); });
}

void CompanyViewDescription::showCompany()
{
    const QString text = m_companies->field(m_column);
    if (toPlainText() != text)
        setPlainText(text);
}
