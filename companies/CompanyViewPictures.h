#pragma once

#include "FormParts.h"

#include <QWidget>

// The pictures of the company view, drawn rather than loaded.

// The title strip across the top of the view, with the view's mark.
class CompanyViewTitleStrip : public ui::TitleStrip {
    Q_OBJECT
public:
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
