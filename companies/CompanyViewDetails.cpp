#include "CompanyViewDetails.h"

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

// A value is shown in full when there is room and cut off at the right when
// there is not; the whole text is in its hint.
QLabel *valueLabel(QWidget *parent, const QString &description = {})
{
    QLabel *label = ui::valueLabel(parent, description);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

// A hint shows markup as rich text; a value's hint shows the value as it is.
QString plainHint(const QString &value)
{
    return value.isEmpty() ? QString() : Qt::convertFromPlainText(value, Qt::WhiteSpacePre);
}

// Keeps a widget's texts and pictures following the current row of a query:
// on a move, a refresh, and a change of the row's values.
template <typename Show> void follow(QObject *owner, data::StandingQuery *query, Show show)
{
    QObject::connect(query, &data::StandingQuery::currentRowChanged, owner, show);
    QObject::connect(query, &data::StandingQuery::stateChanged, owner, show);
    QObject::connect(query, &QAbstractItemModel::dataChanged, owner, show);
    show();
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

    QLabel *heading = addValue({column("c1")}, QStringLiteral("公司名称"));
    QFont large = heading->font();
    large.setPixelSize(kHeadingPixels);
    large.setBold(true);
    heading->setFont(large);
    QPalette green = heading->palette();
    green.setColor(QPalette::WindowText, kHeadingGreen);
    heading->setPalette(green);
    lines->addWidget(heading, 0, 0, 1, 5);

    using P = CompanyViewDetails;
    addLine(lines, 1, 0, QStringLiteral("英文名称:"), {P::column("c2")});
    addLine(lines, 1, 3, QStringLiteral("简    称:"), {P::column("c3")});
    addLine(lines, 2, 0, QStringLiteral("总    机:"), {P::column("c14"), P::text("-"), P::column("c11")});
    addLine(lines, 2, 3, QStringLiteral("传    真:"),
            {P::column("c15"), P::text("-"), P::column("c12"), P::text(QStringLiteral(" 转 ")), P::column("c16")});
    addLine(lines, 3, 0, QStringLiteral("地    址:"), {P::column("c4"), P::text(","), P::column("c5")});
    addLine(lines, 3, 3, QStringLiteral("网    站:"), {P::column("c6")});
    addLine(lines, 4, 0, QStringLiteral("关    系:"), {P::column("c7")});
    addLine(lines, 4, 3, QStringLiteral("主要产品:"), {P::column("c8")});
    addLine(lines, 5, 0, QStringLiteral("所属行业:"), {P::column("c9")});
    addLine(lines, 5, 3, QStringLiteral("销售规模:"), {P::column("c10")});

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

QLabel *CompanyViewDetails::addValue(std::vector<Piece> pieces, const QString &description)
{
    QLabel *value = valueLabel(this, description);
    m_lines.push_back({value, std::move(pieces)});
    return value;
}

void CompanyViewDetails::addLine(QGridLayout *grid, int row, int column, const QString &caption,
                                 std::vector<Piece> pieces)
{
    QLabel *value = addValue(std::move(pieces));
    grid->addWidget(ui::caption(caption, value, this), row, column);
    grid->addWidget(value, row, column + 1);
}

QWidget *CompanyViewDetails::createNumberBox()
{
    auto *box = new QGroupBox(QStringLiteral("编号"), this);
    box->setAccessibleName(box->title()); // inside another group, a box would be read by that one's title
    QLabel *number = addValue({column("cid")});
    number->setParent(box); // the box's title is its label
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
    m_companies = companies;
    follow(this, companies, [this] { showCompany(); });
}

void CompanyViewDetails::showCompany()
{
    for (const Line &line : m_lines) {
        QString shown;
        for (const Piece &piece : line.pieces)
            shown += piece.column.isEmpty() ? piece.text : m_companies->field(piece.column);
        line.value->setText(shown);
        line.value->setToolTip(plainHint(shown));
    }
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
