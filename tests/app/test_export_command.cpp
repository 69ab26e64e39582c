// 系统 > 数据交换 > 导出至Excel over a running program: the table and file
// chosen in its window, the rows its list holds written out, and the names
// it refuses.
#include "Driving.h"
#include "ExportTables.h"
#include "ExportWindow.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "XlsxWrite.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestExportCommand : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theMatchesOfASearchGoOut();
    void theOfferedNameFollowsTableAndFormat();
    void aWorkbookIsWrittenPrivately();
    void namesRefused_data();
    void namesRefused();
    void anExistingFileIsReplacedOnlyWhenConfirmed();
    void aCsvFileReplacesALinkNotWhatItPointsTo();
    void aFailedExportKeepsTheWindowAsItWas();
    void moreRowsThanASheetHoldsAreOfferedAsCsv();

private:
    QAction *exportItem() const
    {
        return m_program->main().menuAction(QStringLiteral("系统&"), QStringLiteral("导出至Excel &"));
    }
    // Opens the window from the menu and runs the steps in it.
    bool inWindow(const std::function<void(app::ExportWindow *)> &steps);
    QByteArray fileBytes(const QString &path) const;

    std::unique_ptr<testing::Program> m_program;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestExportCommand::init()
{
    m_program = std::make_unique<testing::Program>();
    m_out = std::make_unique<QTemporaryDir>();
}

void TestExportCommand::cleanup()
{
    m_program.reset();
    m_out.reset();
}

bool TestExportCommand::inWindow(const std::function<void(app::ExportWindow *)> &steps)
{
    return bool(testing::runModal([&] { exportItem()->trigger(); }, [&](QDialog *w) {
        auto *window = qobject_cast<app::ExportWindow *>(w);
        QVERIFY(window);
        steps(window);
    }));
}

QByteArray TestExportCommand::fileBytes(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

void click(QDialog *w, const QString &button)
{
    QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton);
}

void setFile(QDialog *w, const QString &path)
{
    testing::retype(w->findChild<QLineEdit *>(QStringLiteral("fileEdit")), path);
}

} // namespace

// After a search only the matches go out, under the windows' captions, and
// the window counts what each table holds.
void TestExportCommand::theMatchesOfASearchGoOut()
{
    m_program->insert("atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a17", "说\"好\",\n再见"}});
    m_program->insert("atc1", {{"a1", "李四"}, {"a10", "=1+2"}});
    m_program->data().atc1_all().filter(QStringLiteral("select * from atc1 where a1 = '张三'"));
    const QString path = m_out->filePath(QStringLiteral("客户.csv"));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        QCOMPARE(w->findChild<QRadioButton *>(QStringLiteral("export_atc1_all"))->text(), QStringLiteral("客户 (1 条)"));
        QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("export_atc1_all"))->isChecked());
        QVERIFY(testing::choose(w->findChild<QComboBox *>(QStringLiteral("formatCombo")),
                                QStringLiteral("逗号分隔的文本 (.csv)")));
        setFile(w, path);
        click(w, QStringLiteral("okButton"));
    }));
    QCOMPARE(m_program->messages(), QStringList{QStringLiteral("已将 1 条客户记录导出到\n\"%1\"").arg(path)});
    const QList<QByteArray> lines = fileBytes(path).split('\n');
    QVERIFY(lines[0].startsWith("\xEF\xBB\xBF编号,中文名,称呼,英文名,电话 区号,电话 号码,电话 分机号,传真 区号,"));
    QVERIFY(lines[0].contains(",描述,电话2 区号,"));
    QVERIFY(lines[1].contains(",张三,,Zhang,,"));
    QVERIFY(lines[1].endsWith(",\"说\"\"好\"\","));
    QVERIFY(lines[2].startsWith("再见\","));
    QCOMPARE(lines.size(), 4); // the caption line, one row with a line break in it, the end
}

void TestExportCommand::theOfferedNameFollowsTableAndFormat()
{
    const QString day = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        auto *file = w->findChild<QLineEdit *>(QStringLiteral("fileEdit"));
        QVERIFY(file->text().endsWith(QStringLiteral("客户-%1.xlsx").arg(day)));
        setFile(w, m_out->filePath(QStringLiteral("x.xlsx")));
        w->findChild<QRadioButton *>(QStringLiteral("export_vtv3_all"))->click();
        QCOMPARE(file->text(), m_out->filePath(QStringLiteral("备忘录-%1.xlsx").arg(day)));
        QVERIFY(testing::choose(w->findChild<QComboBox *>(QStringLiteral("formatCombo")),
                                QStringLiteral("逗号分隔的文本 (.csv)")));
        QCOMPARE(file->text(), m_out->filePath(QStringLiteral("备忘录-%1.csv").arg(day)));
        QCOMPARE(w->table().query, QStringLiteral("vtv3_all"));
        w->reject();
    }));
}

void TestExportCommand::aWorkbookIsWrittenPrivately()
{
    m_program->insert("atc2", {{"c1", "北京公司"}});
    m_program->reload();
    const QString path = m_out->filePath(QStringLiteral("公司"));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        w->findChild<QRadioButton *>(QStringLiteral("export_atc2_all"))->click();
        setFile(w, path); // the format's ending is added
        click(w, QStringLiteral("okButton"));
    }));
    QCOMPARE(m_program->messages(),
             QStringList{QStringLiteral("已将 1 条公司记录导出到\n\"%1.xlsx\"").arg(path)});
    QVERIFY(fileBytes(path + QStringLiteral(".xlsx")).startsWith("PK\x03\x04"));
    QCOMPARE(QFile(path + QStringLiteral(".xlsx")).permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("公司.xlsx")});
}

void TestExportCommand::namesRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << "" << "请输入要导出到的文件名";
    QTest::newRow("blanks") << "   " << "请输入要导出到的文件名";
    QTest::newRow("no such folder") << "缺少/客户.xlsx" << "文件夹\"%1/缺少\"不存在";
    QTest::newRow("a folder") << "文件夹.xlsx" << "\"%1/文件夹.xlsx\"是一个文件夹,请输入文件名";
}

// A name that cannot be written keeps the window open and says why.
void TestExportCommand::namesRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(QDir(m_out->path()).mkdir(QStringLiteral("文件夹.xlsx")));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        setFile(w, name.trimmed().isEmpty() ? name : m_out->filePath(name));
        click(w, QStringLiteral("okButton"));
        QVERIFY(w->isVisible());
        w->reject();
    }));
    QCOMPARE(m_program->messages(), QStringList{message.contains(u'%') ? message.arg(m_out->path()) : message});
}

void TestExportCommand::anExistingFileIsReplacedOnlyWhenConfirmed()
{
    const QString path = m_out->filePath(QStringLiteral("客户.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    for (bool replace : {false, true}) {
        ui::MessageBox::setNextAnswer(replace);
        QVERIFY(inWindow([&](app::ExportWindow *w) {
            setFile(w, path);
            click(w, QStringLiteral("okButton"));
            QCOMPARE(w->isVisible(), !replace);
            if (!replace)
                w->reject();
        }));
        QCOMPARE(fileBytes(path) == "kept", !replace);
    }
    QVERIFY(m_program->messages().first().contains(QStringLiteral("已存在,要替换它吗?")));
}

// Exported under the name of a symbolic link, the file replaces the link;
// the file it points to stays as it was.
void TestExportCommand::aCsvFileReplacesALinkNotWhatItPointsTo()
{
    m_program->insert("atc1", {{"a1", "张三"}});
    m_program->reload();
    const QString target = m_out->filePath(QStringLiteral("别的文件.csv"));
    const QString link = m_out->filePath(QStringLiteral("客户.csv"));
    QFile kept(target);
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    const auto mode = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(target, mode | QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::link(target, link));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        setFile(w, link);
        click(w, QStringLiteral("okButton"));
    }));
    QCOMPARE(m_program->messages(), QStringList({QStringLiteral("文件\"%1\"已存在,要替换它吗?").arg(link),
                                                 QStringLiteral("已将 1 条客户记录导出到\n\"%1\"").arg(link)}));
    QCOMPARE(fileBytes(target), QByteArray("kept"));
    QCOMPARE(QFile::permissions(target) & 0x0777, mode);
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(fileBytes(link).startsWith("\xEF\xBB\xBF编号,中文名,"));
    QCOMPARE(QFile::permissions(link) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

// A file that cannot be written is said so in the window, which keeps the
// table, the format and the name chosen for another try.
void TestExportCommand::aFailedExportKeepsTheWindowAsItWas()
{
    m_program->insert("atc2", {{"c1", "星辰"}, {"c13", QString(40000, u'长')}});
    m_program->reload();
    const QString path = m_out->filePath(QStringLiteral("公司.xlsx"));
    QVERIFY(inWindow([&](app::ExportWindow *w) {
        w->findChild<QRadioButton *>(QStringLiteral("export_atc2_all"))->click();
        setFile(w, path);
        click(w, QStringLiteral("okButton"));
        QVERIFY(w->isVisible());
        QCOMPARE(m_program->messages(),
                 QStringList{QStringLiteral("导出失败: 第 1 行的“描述”有 40000 个字符,超过 Excel 单元格最多能存的 "
                                            "32767 个字符。请导出为 .csv 文件。")});
        QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("export_atc2_all"))->isChecked());
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("formatCombo"))->currentText(),
                 QStringLiteral("Excel 工作簿 (.xlsx)"));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("fileEdit"))->text(), path);
        // As the message says: as comma-separated text it goes out.
        QVERIFY(testing::choose(w->findChild<QComboBox *>(QStringLiteral("formatCombo")),
                                QStringLiteral("逗号分隔的文本 (.csv)")));
        click(w, QStringLiteral("okButton"));
        QVERIFY(!w->isVisible());
    }));
    QCOMPARE(m_program->messages().last(),
             QStringLiteral("已将 1 条公司记录导出到\n\"%1\"").arg(m_out->filePath(QStringLiteral("公司.csv"))));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("公司.csv")});
}

// A table of more rows than a sheet holds is not begun as a workbook: the
// window says so and offers comma-separated text.
void TestExportCommand::moreRowsThanASheetHoldsAreOfferedAsCsv()
{
    m_program.reset(); // one program at a time
    m_program = std::make_unique<testing::Program>([](testing::TempInstall &install) {
        install.execMain(QStringLiteral("insert into vtv3 (j1) with recursive n(i) as (select 1 union all "
                                        "select i + 1 from n where i < %1) select i from n")
                             .arg(data::kXlsxRows + 1));
    });
    const QString path = m_out->filePath(QStringLiteral("备忘录.xlsx"));
    const QString question = QStringLiteral("备忘录有 1048576 条记录,超过一个 Excel 工作表最多能放的 1048575 条。\n"
                                            "要改为导出为逗号分隔的文本 (.csv) 吗?");
    for (const bool asCsv : {false, true}) {
        ui::MessageBox::setNextAnswer(asCsv);
        QString told;
        QTimer watch; // the export, once begun, is stopped at once
        connect(&watch, &QTimer::timeout, [&] {
            auto *progress = m_program->main().findChild<QProgressDialog *>(QStringLiteral("WorkProgress"));
            if (progress && told.isEmpty()) {
                told = progress->labelText();
                progress->findChild<QPushButton *>()->click();
            }
        });
        watch.start(0);
        QVERIFY(inWindow([&](app::ExportWindow *w) {
            w->findChild<QRadioButton *>(QStringLiteral("export_vtv3_all"))->click();
            setFile(w, path);
            click(w, QStringLiteral("okButton"));
            QVERIFY(w->isVisible());
            QCOMPARE(m_program->messages().last(), question);
            QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("formatCombo"))->currentText(),
                     asCsv ? QStringLiteral("逗号分隔的文本 (.csv)") : QStringLiteral("Excel 工作簿 (.xlsx)"));
            QCOMPARE(w->file(), asCsv ? m_out->filePath(QStringLiteral("备忘录.csv")) : path);
            w->reject();
        }));
        QCOMPARE(told, asCsv ? QStringLiteral("正在导出备忘录...") : QString());
    }
    QCOMPARE(m_program->messages().size(), 2);
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_MAIN(TestExportCommand)
#include "test_export_command.moc"
