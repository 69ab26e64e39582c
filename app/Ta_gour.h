#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// The quick-start guide: six pages shown one at a time, walked through with
// "下一步" and left with "完 成" on the last page. It has no close box and
// cannot be dismissed earlier. Shown once, at the first start.
class Ta_gour : public QDialog {
    Q_OBJECT
public:
    explicit Ta_gour(QWidget *parent = nullptr);

    static constexpr int clientWidth = 550;
    static constexpr int clientHeight = 350;
    static constexpr int pageCount = 6;

    // The visible page, 1 to pageCount.
    int currentPage() const { return m_current; }

    // Opens a link of the last page in the user's desktop programs; the result
    // is ignored. Replaceable so that the links can be followed without a browser.
    static std::function<void(const QUrl &)> openUrl;

public slots:
    // The guide is only left through "完 成".
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLayout();
    QWidget *createPage(int number, const QString &header, const QStringList &lines);
    void createLinks(QWidget *lastPage);
    void showPage(int number);
    void finish();

    QList<QWidget *> m_pages;
    QList<QPushButton *> m_buttons;
    QLabel *m_webLink = nullptr;
    QLabel *m_mailLink = nullptr;
    int m_current = 1;
    bool m_finishing = false;
};
