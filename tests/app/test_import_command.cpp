// 系统 > 数据交换 > 从Excel导入 over a running program: the file chosen, the
// columns matched and changed in the import window, the first rows shown as
// they will go in, and the summary at the end.
#include "Driving.h"
#include "ImportSummaryWindow.h"
#include "ImportWindow.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void click(QDialog *w, const QString &button)
{
    QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton);
}

QStringList columnTexts(const QTableWidget *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
}

QStringList headings(const QTableWidget *grid)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << grid->horizontalHeaderItem(c)->text();
    return texts;
}

QComboBox *mapping(QDialog *w, int row)
{
    return w->findChild<QComboBox *>(QStringLiteral("mapping_%1").arg(row));
}

} // namespace

class TestImportCommand : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void customersComeInAsPreviewed();
    void aFileWithoutHeadingsIsMappedByHand();
    void requiredFieldsNeedAColumn();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();

private:
    // Runs the command on a file with those bytes; the steps run in the import window.
    bool run(const QByteArray &bytes, const std::function<void(QDialog *)> &inWindow,
             const std::function<void(QDialog *)> &inSummary = {});
    QAction *importItem() const
    {
        return m_program->main().menuAction(QStringLiteral("系统&"), QStringLiteral("从Excel导入 &"));
    }

    std::unique_ptr<testing::Program> m_program;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestImportCommand::init()
{
    m_program = std::make_unique<testing::Program>();
    m_out = std::make_unique<QTemporaryDir>();
}

void TestImportCommand::cleanup()
{
    m_program.reset();
    m_out.reset();
}

bool TestImportCommand::run(const QByteArray &bytes, const std::function<void(QDialog *)> &inWindow,
                            const std::function<void(QDialog *)> &inSummary)
{
    const QString path = m_out->filePath(QStringLiteral("名单.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    std::vector<testing::ModalStep> chain{{QStringLiteral("QFileDialog"), [&](QDialog *w) {
                                               qobject_cast<QFileDialog *>(w)->selectFile(path);
                                               w->accept();
                                           }}};
    if (inWindow)
        chain.push_back({QStringLiteral("app::ImportWindow"), inWindow});
    if (inSummary)
        chain.push_back({QStringLiteral("app::ImportSummaryWindow"), inSummary});
    return testing::runModals([&] { importItem()->trigger(); }, chain);
}

// The headings choose the fields; the first rows show what each becomes and
// why a row would be refused; the rows that pass go in and the list shows
// them; the summary says what happened and can be saved.
void TestImportCommand::customersComeInAsPreviewed()
{
    m_program->data().atc1_all().filter(QStringLiteral("select * from atc1 where a1 = '没有'"));
    const QByteArray csv = "\xEF\xBB\xBF中文名,电话号码,公司,备注\r\n张三,62345678,星辰,x\r\n李4,1,星辰,y\r\n";
    const QString saved = m_out->filePath(QStringLiteral("结果.txt"));
    QVERIFY(run(
        csv,
        [&](QDialog *w) {
            QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("import_atc1_all"))->isChecked());
            QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("headingCheck"))->isChecked());
            auto *grid = w->findChild<QTableWidget *>(QStringLiteral("mappingGrid"));
            QCOMPARE(columnTexts(grid, 0), QStringList({"中文名", "电话号码", "公司", "备注"}));
            QCOMPARE(mapping(w, 0)->currentText(), QStringLiteral("中文名"));
            QCOMPARE(mapping(w, 1)->currentText(), QStringLiteral("电话 号码"));
            QCOMPARE(mapping(w, 3)->currentText(), QStringLiteral("(不导入)"));
            QCOMPARE(columnTexts(grid, 2), QStringList({"张三", "62345678", "星辰", "x"}));
            auto *preview = w->findChild<QTableWidget *>(QStringLiteral("previewGrid"));
            QCOMPARE(headings(preview), QStringList({"行", "中文名", "电话 号码", "公司", "结果"}));
            // 备注 goes to 描述: the preview takes the column in.
            QVERIFY(testing::choose(mapping(w, 3), QStringLiteral("描述")));
            QCOMPARE(headings(preview), QStringList({"行", "中文名", "电话 号码", "公司", "描述", "结果"}));
            QCOMPARE(columnTexts(preview, 0), QStringList({"2", "3"}));
            QCOMPARE(columnTexts(preview, 5),
                     QStringList({"添加", "拒绝: “中文名”不能有空格和数字,这里有“4”"}));
            // A field goes to one column.
            QVERIFY(testing::choose(mapping(w, 2), QStringLiteral("中文名")));
            click(w, QStringLiteral("okButton"));
            QVERIFY(w->isVisible());
            QCOMPARE(m_program->messages(), QStringList{"“中文名”对应了不止一列,请只选其中一列"});
            QVERIFY(testing::choose(mapping(w, 2), QStringLiteral("公司")));
            QCOMPARE(headings(preview), QStringList({"行", "中文名", "电话 号码", "公司", "描述", "结果"}));
            click(w, QStringLiteral("okButton"));
        },
        [&](QDialog *w) {
            const QString text = w->findChild<QPlainTextEdit *>(QStringLiteral("summaryText"))->toPlainText();
            QVERIFY2(text.startsWith(QStringLiteral("导入客户:添加 1 条,跳过 0 条,拒绝 1 条。\n新建公司 1 个。")),
                     qPrintable(text));
            QVERIFY(testing::runModals([&] { click(w, QStringLiteral("saveButton")); },
                                       {{QStringLiteral("QFileDialog"), [&](QDialog *d) {
                                             qobject_cast<QFileDialog *>(d)->selectFile(saved);
                                             d->accept();
                                         }}}));
            QFile file(saved);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), text);
            QCOMPARE(file.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
            click(w, QStringLiteral("closeButton"));
        }));
    QCOMPARE(m_program->data().atc1_all().count(), 1);
    QCOMPARE(m_program->data().atc1_all().field(QStringLiteral("a17")), QStringLiteral("x"));
    QCOMPARE(m_program->data().atc2_all().count(), 1);
    QCOMPARE(m_program->messages().size(), 1);
}

void TestImportCommand::aFileWithoutHeadingsIsMappedByHand()
{
    QVERIFY(run("星辰,62345678\r\n北斗,1\r\n", [&](QDialog *w) {
        QVERIFY(!w->findChild<QCheckBox *>(QStringLiteral("headingCheck"))->isChecked());
        w->findChild<QRadioButton *>(QStringLiteral("import_atc2_all"))->click();
        QVERIFY(!w->findChild<QCheckBox *>(QStringLiteral("createCompaniesCheck"))->isVisible());
        auto *grid = w->findChild<QTableWidget *>(QStringLiteral("mappingGrid"));
        QCOMPARE(columnTexts(grid, 0), QStringList({"第 1 列", "第 2 列"}));
        QVERIFY(testing::choose(mapping(w, 0), QStringLiteral("公司名称")));
        QVERIFY(testing::choose(mapping(w, 1), QStringLiteral("总机号码")));
        QCOMPARE(columnTexts(w->findChild<QTableWidget *>(QStringLiteral("previewGrid")), 0), QStringList({"1", "2"}));
        click(w, QStringLiteral("okButton"));
    }, [](QDialog *w) { w->accept(); }));
    QCOMPARE(m_program->install().columnMain(QStringLiteral("select c1 || c11 from atc2 order by cid")),
             QStringList({"星辰62345678", "北斗1"}));
}

void TestImportCommand::requiredFieldsNeedAColumn()
{
    QVERIFY(run("中文名,公司\r\n张三,星辰\r\n", [&](QDialog *w) {
        click(w, QStringLiteral("okButton"));
        QVERIFY(w->isVisible());
        w->reject();
    }));
    QCOMPARE(m_program->messages(), QStringList{QStringLiteral("必须填写的“电话 号码”没有对应的列,请在“导入为”中选定")});
    QCOMPARE(m_program->install().countMain(QStringLiteral("atc1")), 0);
}

void TestImportCommand::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray("\r\n,,\r\n") << "文件\"%1\"中没有任何记录";
    QTest::newRow("a broken workbook") << QByteArray("PK\x03\x04broken", 10) << "导入失败,没有添加任何记录: ";
}

void TestImportCommand::unreadableFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QVERIFY(run(bytes, {}));
    QCOMPARE(m_program->messages().size(), 1);
    QVERIFY2(m_program->messages().front().startsWith(message.arg(m_out->filePath(QStringLiteral("名单.csv")))),
             qPrintable(m_program->messages().front()));
}

QTEST_MAIN(TestImportCommand)
#include "test_import_command.moc"
