#pragma once

#include "HandOver.h"

#include <QDialog>

class ProductForm;

// The product detail window: one product, read-only, as the product list
// hands it over from its current row. It is left with the close box.
class Tover_chanpin : public QDialog, public ui::RowWindow {
    Q_OBJECT
public:
    explicit Tover_chanpin(QWidget *parent = nullptr);
    void takeRow(const data::StandingQuery &query) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProductForm *m_form = nullptr;
};
