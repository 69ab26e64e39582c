#include "CompanyFixture.h"

#include "PickListEditor.h"

#include <QClipboard>
#include <QScopeGuard>

using namespace companies_test;

// What each field of the two company windows lets through: the new window
// filters typed characters, the edit window does not; both cut at their
// length limits, which differ. The buttons beside the drop-downs open the
// company pick-list editor on their own list in both windows.
class TestCompanyFields : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void typedTextAndLimits_data();
    void typedTextAndLimits();
    void pickListButtonsOpenTheirList_data();
    void pickListButtonsOpenTheirList();

private:
    std::unique_ptr<Fixture> m_fixture;
};

void TestCompanyFields::initTestCase()
{
    m_fixture = std::make_unique<Fixture>();
    // A company whose fields are all empty but its name, for the edit window.
    m_fixture->insert("atc2", {{"c1", "Alpha"}});
    m_fixture->reload();
}

void TestCompanyFields::cleanupTestCase()
{
    m_fixture.reset();
}

void TestCompanyFields::typedTextAndLimits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("paste"); // else typed
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");

    const QString n = QStringLiteral("Tnew_gongsi");
    const QString e = QStringLiteral("Tedit_gongsi");
    auto row = [](const char *name, const QString &window, const char *caption, const QString &input,
                  const QString &shown, bool paste = false) {
        QTest::newRow(name) << window << QString::fromUtf8(caption) << paste << input << shown;
    };
    auto many = [](char c, int count) { return QString(count, QChar::fromLatin1(c)); };

    row("new: name, no space", n, "公司名称:", "Hua Xing 1", "HuaXing1");
    row("new: name, 150", n, "公司名称:", many('a', 160), many('a', 150));
    row("new: short name, no space", n, "简称:", "a b", "ab");
    row("new: short name, 50", n, "简称:", many('b', 60), many('b', 50));
    row("new: English name, lower case, digits, hyphen", n, "英文名称:", "Hua-Xing.9 _z", "ua-ing9z");
    row("new: English name, no limit", n, "英文名称:", many('a', 200), many('a', 200));
    row("new: English name, pasted", n, "英文名称:", "Hua Xing.", "Hua Xing.", true);
    row("new: address, no space", n, "地    址:", "a b", "ab");
    row("new: address, 190", n, "地    址:", many('c', 200), many('c', 190));
    row("new: postcode, digits", n, "邮编:", "10a-0 8", "1008");
    row("new: postcode, 10", n, "邮编:", many('1', 12), many('1', 10));
    row("new: web site, lower case, digits, full stop", n, "网    站:", "Www.Hua-xing9.cn", "ww.uaxing9.cn");
    row("new: web site, 75", n, "网    站:", many('w', 80), many('w', 75));
    row("new: switchboard area code, after its 0", n, "总机区号", "1a2345", "01234");
    row("new: switchboard number, digits", n, "总机号码", "555 12a34", "5551234");
    row("new: switchboard number, 15", n, "总机号码", many('5', 20), many('5', 15));
    row("new: switchboard number, pasted", n, "总机号码", "555-12", "555-12", true);
    row("new: fax area code, 5", n, "传真区号", "99999", "09999");
    row("new: fax number, digits", n, "传真号码", "6x7", "67");
    row("new: fax number, 15", n, "传真号码", many('6', 20), many('6', 15));
    row("new: extension, digits, 8", n, "分机号", "12-3456789", "12345678");
    row("new: products, no space, no limit", n, "产    品:", "a b" + many('p', 300), "ab" + many('p', 300));
    row("new: description, no space, no limit", n, "描述", "a b" + many('d', 300), "ab" + many('d', 300));

    row("edit: English name, not filtered", e, "英文名称:", "Hua Xing.", "Hua Xing.");
    row("edit: English name, 150", e, "英文名称:", many('a', 160), many('a', 150));
    row("edit: short name, 50", e, "简称:", many('b', 60), many('b', 50));
    row("edit: address, 190", e, "地    址:", many('c', 200), many('c', 190));
    row("edit: postcode, not filtered, 10", e, "邮编:", "10a-" + many('1', 12), "10a-111111");
    row("edit: web site, 75", e, "网    站:", "W." + many('w', 80), "W." + many('w', 73));
    row("edit: switchboard area code, 5", e, "总机区号", "0a-12345", "0a-12");
    row("edit: switchboard number, 15", e, "总机号码", many('5', 20), many('5', 15));
    row("edit: fax area code, 5", e, "传真区号", many('9', 7), many('9', 5));
    row("edit: fax number, 15", e, "传真号码", many('6', 20), many('6', 15));
    row("edit: extension, 8", e, "分机号", many('8', 10), many('8', 8));
    row("edit: products, no limit", e, "产    品:", "a b" + many('p', 300), "a b" + many('p', 300));
    row("edit: description, 200", e, "描述", "a b" + many('d', 210), "a b" + many('d', 197));
}

void TestCompanyFields::typedTextAndLimits()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, shown);

    auto *w = ui::Windows::get<QDialog>(window);
    QVERIFY(w);
    w->show();
    auto leave = qScopeGuard([w] { w->reject(); });
    QWidget *f = testing::field(w, caption);
    QVERIFY(f);
    if (paste) {
        QApplication::clipboard()->setText(input);
        QVERIFY(QMetaObject::invokeMethod(f, "paste")); // what the field's menu does
    } else {
        QTest::keyClicks(f, input);
    }
    QCOMPARE(testing::shownText(f), shown);
    if (window == QStringLiteral("Tedit_gongsi")) {
        // The edit buffer holds what the field shows.
        const QStringList c = {"英文名称:", "简称:", "地    址:", "邮编:", "网    站:", "总机区号", "总机号码",
                               "传真区号", "传真号码", "分机号", "产    品:", "描述"};
        const QStringList column = {"c2", "c3", "c4", "c5", "c6", "c14", "c11", "c15", "c12", "c16", "c8", "c13"};
        QCOMPARE(m_fixture->data().atc2_all().field(column.value(c.indexOf(caption))), shown);
    }
}

void TestCompanyFields::pickListButtonsOpenTheirList_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");

    for (const char *window : {"Tnew_gongsi", "Tedit_gongsi"}) {
        const QString w = QString::fromLatin1(window);
        QTest::addRow("%s 所属行业", window) << w << "所属行业菜单" << "vx6";
        QTest::addRow("%s 销售规模", window) << w << "销售规模菜单" << "vx7";
        QTest::addRow("%s 关系", window) << w << "关系菜单" << "vx8";
    }
}

void TestCompanyFields::pickListButtonsOpenTheirList()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, list);
    QVERIFY(testing::runModal(window, [&](QDialog *w) {
        QVERIFY(testing::runModal([&] { testing::click(w, button); }, [&](QDialog *editor) {
            QCOMPARE(editor->objectName(), QStringLiteral("Tlist_gongsi"));
            QCOMPARE(editor->windowTitle(), button);
            QCOMPARE(qobject_cast<PickListEditor *>(editor)->visibleList(), list);
            QVERIFY(editor->close());
        }));
        QVERIFY(w->isVisible());
        testing::click(w, "取消");
    }));
}

QTEST_MAIN(TestCompanyFields)
#include "test_companyfields.moc"
