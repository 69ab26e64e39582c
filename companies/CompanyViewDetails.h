#pragma once

#include <QGroupBox>
#include <QList>
#include <QTextEdit>

namespace data {
class StandingQuery;
}
namespace ui {
class JoinedLabel;
class StarRating;
}

// The group "公司基本信息" of the company view: the current company's name as
// its heading, its captioned lines, the box "编号" with its key and the box
// "级别" with its rating stars. The texts follow the current row of the
// company query; the stars are set by the view.
class CompanyViewDetails : public QGroupBox {
    Q_OBJECT
public:
    explicit CompanyViewDetails(QWidget *parent = nullptr);
    void bind(data::StandingQuery *companies);
    ui::StarRating *rating() const { return m_rating; }

private:
    ui::JoinedLabel *addValue(QWidget *parent, const QStringList &columns, const QStringList &between = {},
                              const QString &description = {});
    QWidget *createNumberBox();
    QWidget *createRatingBox();

    QList<ui::JoinedLabel *> m_values;
    ui::StarRating *m_rating = nullptr;
};

// The description page: one column of the current company as read-only text.
class CompanyViewDescription : public QTextEdit {
    Q_OBJECT
public:
    explicit CompanyViewDescription(QWidget *parent = nullptr);
    void bind(data::StandingQuery *companies, const QString &column);

private:
    void showCompany();

    data::StandingQuery *m_companies = nullptr;
    QString m_column;
};
