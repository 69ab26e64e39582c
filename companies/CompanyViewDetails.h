#pragma once

#include <QGroupBox>
#include <QTextEdit>
#include <vector>

class QGridLayout;
class QLabel;

namespace data {
class StandingQuery;
}
namespace ui {
class StarRating;
}

// The group "公司基本信息" of the company view: the current company's name as
// its heading, its captioned lines, the box "编号" with its key and the box
// "级别" with its rating stars. The texts follow the current row of the
// company query; the stars are set by the view.
class CompanyViewDetails : public QGroupBox {
    Q_OBJECT
public:
    // One piece of a shown line: the value of a column, or a fixed text.
    struct Piece {
        QString column;
        QString text;
    };
    static Piece column(const char *name) { return {QString::fromLatin1(name), {}}; }
    static Piece text(const QString &fixed) { return {{}, fixed}; }

    explicit CompanyViewDetails(QWidget *parent = nullptr);
    void bind(data::StandingQuery *companies);
    ui::StarRating *rating() const { return m_rating; }

private:
    struct Line {
        QLabel *value;
        std::vector<Piece> pieces;
    };

    QLabel *addValue(std::vector<Piece> pieces, const QString &description = {});
    void addLine(QGridLayout *grid, int row, int column, const QString &caption, std::vector<Piece> pieces);
    QWidget *createNumberBox();
    QWidget *createRatingBox();
    void showCompany();

    data::StandingQuery *m_companies = nullptr;
    std::vector<Line> m_lines;
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
