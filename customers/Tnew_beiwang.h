#pragma once

#include "Windows.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The new-memo window, for a customer or for a company. The caller puts it
// into one of the two modes and then shows it modally; the date and time of
// the memo are those of the moment the window was shown.
class Tnew_beiwang : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_beiwang(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Set by the caller before showing the window.
    void setCustomerMode(const QString &name, const QString &key);
    void setCompanyMode(const QString &name, const QString &key);

    // Closing in any way puts the category and both keys back to "0".
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createStrip();
    QWidget *createHeading();
    void createLayout();
    void connectActions();
    void Button1Click(); // 确定
    void Button2Click(); // 取消

    TData_in *m_data = nullptr;

    // The hidden values the caller sets.
    QString m_kind = QStringLiteral("1"); // "1" customer memo, "2" company memo
    QString m_category = QStringLiteral("0");
    QString m_customerKey = QStringLiteral("0");
    QString m_companyKey = QStringLiteral("0");
    QString m_customerName;
    QString m_companyName;

    QLabel *Label_for = nullptr;      // "为", the caption of the name on show
    QLabel *Label_customer = nullptr; // the customer's name, customer mode
    QLabel *Label_company = nullptr;  // the company's name, company mode
    QLabel *Label_date = nullptr;
    QLabel *Label_time = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr; // 确定
    QPushButton *Button2 = nullptr; // 取消
};
