#pragma once

#include <QWidget>

namespace ui {

// A rating "1" to "5" shown as that many gold stars out of five; the others
// are grey outlines. An accessibility client reads the rating as its name
// ("3 星") and value (3, from 0 to 5).
class StarRating : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxStars = 5;
    static constexpr int StarSize = 16;

    explicit StarRating(QWidget *parent = nullptr);

    // Shows the rating when digit is exactly "1" to "5"; any other text,
    // the empty one included, is no rating and shows no gold star.
    void setRating(const QString &digit);
    int stars() const { return m_stars; }
    // What an accessibility client hears: "3 星".
    QString spokenRating() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_stars = 0;
};

} // namespace ui
