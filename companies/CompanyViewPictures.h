#pragma once

#include <QWidget>

// The pictures of the company view, drawn rather than loaded.

// The strip across the top of the view.
class CompanyViewTitleStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 20;
    explicit CompanyViewTitleStrip(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The picture on the credit page: a ledger under a magnifying glass.
class CompanyViewCreditPicture : public QWidget {
    Q_OBJECT
public:
    explicit CompanyViewCreditPicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {220, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
