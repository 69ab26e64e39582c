// The real message boxes, as a user gets them outside test mode.
#include "MessageBox.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void textIsShownAsItIs_data();
    void textIsShownAsItIs();
};

void TestMessageBox::textIsShownAsItIs_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("information") << int(ui::MessageBox::Kind::Information);
    QTest::newRow("warning") << int(ui::MessageBox::Kind::Warning);
    QTest::newRow("error") << int(ui::MessageBox::Kind::Error);
}

// An engine error quoting typed text such as "<b>x</b>" shows the tags.
void TestMessageBox::textIsShownAsItIs()
{
    QFETCH(int, kind);
    const QString text = QStringLiteral("no such column: <b>张三</b> <a href=\"x\">link</a>");
    ui::MessageBox::setTestMode(false);
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    testing::whenModal([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        format = box->textFormat();
        shown = box->text();
        box->accept();
    });
    switch (ui::MessageBox::Kind(kind)) {
    case ui::MessageBox::Kind::Information:
        ui::MessageBox::information(nullptr, text);
        break;
    case ui::MessageBox::Kind::Warning:
        ui::MessageBox::warning(nullptr, text);
        break;
    default:
        ui::MessageBox::error(nullptr, text);
        break;
    }
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, text);
}

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
