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
#include "ZipFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void aRowLikeOneAboveIsSkippedInPreviewAndImport();
    void theWindowTakesTheSizeItIsGiven();
    void readingForThePreviewCanBeStopped();
    void aSummarySavedOverALinkReplacesTheLink();
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
            // The verdict comes first, where it is seen however many columns follow.
            QCOMPARE(headings(preview), QStringList({"行", "结果", "中文名", "电话 号码", "公司"}));
            // 备注 goes to 描述: the preview takes the column in.
            QVERIFY(testing::choose(mapping(w, 3), QStringLiteral("描述")));
            QCOMPARE(headings(preview), QStringList({"行", "结果", "中文名", "电话 号码", "公司", "描述"}));
            QCOMPARE(columnTexts(preview, 0), QStringList({"2", "3"}));
            QCOMPARE(columnTexts(preview, 1),
                     QStringList({"添加", "拒绝: “中文名”不能有空格和数字,这里有“4”"}));
            QCOMPARE(columnTexts(preview, 5), QStringList({"x", "y"}));
            // A field goes to one column.
            QVERIFY(testing::choose(mapping(w, 2), QStringLiteral("中文名")));
            click(w, QStringLiteral("okButton"));
            QVERIFY(w->isVisible());
            QCOMPARE(m_program->messages(), QStringList{"“中文名”对应了不止一列,请只选其中一列"});
            QVERIFY(testing::choose(mapping(w, 2), QStringLiteral("公司")));
            QCOMPARE(headings(preview), QStringList({"行", "结果", "中文名", "电话 号码", "公司", "描述"}));
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

// The preview judges its rows as the import does: in the file's order, a
// row like one above it is skipped, and both name that row.
void TestImportCommand::aRowLikeOneAboveIsSkippedInPreviewAndImport()
{
    const QByteArray csv = "中文名,电话号码,手机号码,公司\r\n张三,1,13800000000,星辰\r\n张三,2,13800000000,星辰\r\n"
                           "李四,3,,星辰\r\n";
    const QString skipped = QStringLiteral("与第 2 行重复(中文名、手机 号码相同)");
    QVERIFY(run(
        csv,
        [&](QDialog *w) {
            auto *preview = w->findChild<QTableWidget *>(QStringLiteral("previewGrid"));
            QCOMPARE(columnTexts(preview, 1), QStringList({"添加", "跳过: " + skipped, "添加"}));
            w->findChild<QCheckBox *>(QStringLiteral("skipDuplicatesCheck"))->click();
            QCOMPARE(columnTexts(preview, 1), QStringList({"添加", "添加", "添加"}));
            w->findChild<QCheckBox *>(QStringLiteral("skipDuplicatesCheck"))->click();
            click(w, QStringLiteral("okButton"));
        },
        [&](QDialog *w) {
            QCOMPARE(w->findChild<QPlainTextEdit *>(QStringLiteral("summaryText"))->toPlainText(),
                     QStringLiteral("导入客户:添加 2 条,跳过 1 条,拒绝 0 条。\n新建公司 1 个。\n\n跳过的行:\n第 3 行: ")
                         + skipped + u'\n');
            click(w, QStringLiteral("closeButton"));
        }));
    QCOMPARE(m_program->install().columnMain(QStringLiteral("select a1 || a3 from atc1 order by aid")),
             QStringList({"张三1", "李四3"}));
}

// Dragged larger, the window gives the room to its grids.
void TestImportCommand::theWindowTakesTheSizeItIsGiven()
{
    QVERIFY(run("中文名,电话号码,公司\r\n张三,1,星辰\r\n", [&](QDialog *w) {
        auto *preview = w->findChild<QTableWidget *>(QStringLiteral("previewGrid"));
        const QSize before = w->size();
        const int previewWidth = preview->width();
        const QSize larger = before + QSize(300, 200);
        w->resize(larger);
        QTRY_COMPARE(w->size(), larger);
        QTRY_VERIFY(preview->width() >= previewWidth + 300);
        w->reject();
    }));
}

// A file that takes long before its first rows are there shows the progress
// of its reading; 取消 leaves the command with nothing shown and nothing added.
void TestImportCommand::readingForThePreviewCanBeStopped()
{
    QByteArray csv = "中文名,电话号码,公司\r\n";
    while (csv.size() < 3 * 1024 * 1024)
        csv += "张三,62345678,星辰有限公司\r\n";
    const QString path = m_out->filePath(QStringLiteral("名单.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();
    QString told;
    QTimer watch; // runs whenever the reading lets the program answer
    connect(&watch, &QTimer::timeout, [&] {
        auto *progress = m_program->main().findChild<QProgressDialog *>(QStringLiteral("WorkProgress"));
        if (!progress || !told.isEmpty())
            return;
        told = progress->labelText();
        progress->findChild<QPushButton *>()->click();
    });
    QVERIFY(testing::runModals([&] { importItem()->trigger(); },
                               {{QStringLiteral("QFileDialog"), [&](QDialog *w) {
                                     qobject_cast<QFileDialog *>(w)->selectFile(path);
                                     watch.start(0);
                                     w->accept();
                                 }}}));
    QCOMPARE(told, QStringLiteral("正在读取文件..."));
    QCOMPARE(m_program->messages(), QStringList());
    QCOMPARE(m_program->install().countMain(QStringLiteral("atc1")), 0);
}

// Saved under the name of a symbolic link, the summary replaces the link;
// the file it points to stays as it was.
void TestImportCommand::aSummarySavedOverALinkReplacesTheLink()
{
    const QString target = m_out->filePath(QStringLiteral("别的文件.txt"));
    const QString link = m_out->filePath(QStringLiteral("结果.txt"));
    QFile kept(target);
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    const auto mode = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(target, mode | QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::link(target, link));
    QString summary;
    QVERIFY(run("中文名,电话号码,公司\r\n张三,1,星辰\r\n", [&](QDialog *w) { click(w, QStringLiteral("okButton")); },
                [&](QDialog *w) {
                    summary = w->findChild<QPlainTextEdit *>(QStringLiteral("summaryText"))->toPlainText();
                    QVERIFY(testing::runModals(
                        [&] { click(w, QStringLiteral("saveButton")); },
                        {{QStringLiteral("QFileDialog"), [&](QDialog *d) {
                              qobject_cast<QFileDialog *>(d)->selectFile(link);
                              // The file dialog asks whether to replace what has the name.
                              QVERIFY(testing::runModal([&] { d->accept(); }, [](QDialog *box) {
                                  qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
                              }));
                          }}}));
                    click(w, QStringLiteral("closeButton"));
                }));
    QCOMPARE(testing::bytesOf(target), QByteArray("kept"));
    QCOMPARE(QFile::permissions(target) & 0x0777, mode);
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(QString::fromUtf8(testing::bytesOf(link)), summary);
    QCOMPARE(QFile::permissions(link) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
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
