// The backups of a running program: 系统 > 备份数据 to a file the user names,
// and the program's own in Backup/, over its real encrypted files.
#include "Backup.h"
#include "BackupCommands.h"
#include "DailyBackup.h"
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "Restore.h"
#include "Startup.h"
#include "Schema.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"
#include "Ta_main.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The first column of every row of a select over an encrypted file.
QStringList columnOf(const QString &path, const char *key, const QString &sql)
{
    data::Connection c = data::Connection::open(path, key);
    data::Statement s(c, sql);
    QStringList cells;
    while (s.step())
        cells << s.text(0);
    return cells;
}

} // namespace

class TestBackupCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backUpFromTheMenu();
    void aCancelledBackupWritesNothing();
    void automaticBackupsOncePerDayAndAtEveryExit();
    void aFailedAutomaticBackupWarns_data();
    void aFailedAutomaticBackupWarns();
    void restoreGivesBackTheBackedUpData();
    void restoreRefusedChangesNothing_data();
    void restoreRefusedChangesNothing();
    void anInterruptedRestoreIsTakenBack_data();
    void anInterruptedRestoreIsTakenBack();

private:
    QAction *restore() const { return m_program->main().menuAction(QStringLiteral("系统&"), QStringLiteral("恢复数据&")); }
    // Runs 恢复数据 on that archive, the question answered as given.
    bool runRestore(const QString &archive, bool confirm);
    QStringList customers() const;
    QAction *backUp() const { return m_program->main().menuAction(QStringLiteral("系统&"), QStringLiteral("备份数据&")); }

    std::unique_ptr<testing::Program> m_program;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestBackupCommands::init()
{
    m_program = std::make_unique<testing::Program>();
    m_out = std::make_unique<QTemporaryDir>();
    m_program->insert("atc1", {{"a1", "张三"}, {"a9", "第一行\n第二行"}});
}

void TestBackupCommands::cleanup()
{
    m_program.reset();
    m_out.reset();
}

// The archive named in the file dialog holds the customers as they are, and
// the program says where it went.
void TestBackupCommands::backUpFromTheMenu()
{
    QVERIFY(backUp()->isEnabled());
    const QString archive = m_out->filePath(QStringLiteral("我的备份.zip"));
    QVERIFY(testing::runModals([&] { backUp()->trigger(); }, {{QStringLiteral("QFileDialog"), [&](QDialog *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog->selectedFiles().value(0).contains(QStringLiteral("Talvero-备份-")));
        dialog->selectFile(archive);
        static_cast<QDialog *>(dialog)->accept();
    }}}));
    QCOMPARE(m_program->messages(), QStringList{QStringLiteral("数据已备份到\n\"%1\"").arg(archive)});
    const QString unpacked = m_out->filePath(QStringLiteral("unpacked"));
    data::unpackBackup(archive, unpacked);
    data::Connection main = data::Connection::open(unpacked + QStringLiteral("/Data/Main_data.db"), data::kMainFile.key);
    data::Statement rows(main, QStringLiteral("select a1, a9 from atc1"));
    QVERIFY(rows.step());
    QCOMPARE(rows.text(0) + u'|' + rows.text(1), QStringLiteral("张三|第一行\n第二行"));
}

void TestBackupCommands::aCancelledBackupWritesNothing()
{
    QVERIFY(testing::runModals([&] { backUp()->trigger(); },
                               {{QStringLiteral("QFileDialog"), [](QDialog *w) { w->reject(); }}}));
    QCOMPARE(m_program->messages(), QStringList());
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// The start of a day makes one, beside the running program; a second start
// that day none; an exit one more.
void TestBackupCommands::automaticBackupsOncePerDayAndAtEveryExit()
{
    const QDir work = m_program->install().dir();
    const QDateTime morning(QDate(2026, 12, 11), QTime(8, 0));
    app::DailyBackup &daily = m_program->startup().dailyBackup();
    daily.startIfDue(&m_program->main(), morning);
    QSignalSpy over(&daily, &app::DailyBackup::finished);
    QVERIFY(over.wait());
    QCOMPARE(over.takeFirst().at(0).toString(), QString());
    QVERIFY(!daily.running());
    daily.startIfDue(&m_program->main(), morning.addSecs(3600));
    QVERIFY(!daily.running());
    QCOMPARE(data::automaticBackups(work).size(), 1);
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, morning.addSecs(7200));
    QCOMPARE(data::automaticBackups(work).size(), 2);
    QCOMPARE(m_program->messages(), QStringList());
}

// Where the backups cannot go, the program warns and goes on.
void TestBackupCommands::aFailedAutomaticBackupWarns_data()
{
    QTest::addColumn<bool>("daily");
    QTest::newRow("at exit") << false;
    QTest::newRow("the day's") << true;
}

void TestBackupCommands::aFailedAutomaticBackupWarns()
{
    QFETCH(bool, daily);
    const QDir work = m_program->install().dir();
    QFile blocker(work.filePath(QStringLiteral("Backup")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    if (daily) {
        m_program->startup().dailyBackup().startIfDue(&m_program->main());
        QTRY_COMPARE(m_program->messages().size(), 1);
    } else {
        app::backUpAutomatically(&m_program->main(), m_program->data(), work);
    }
    QCOMPARE(m_program->messages().size(), 1);
    QVERIFY(m_program->messages().first().startsWith(QStringLiteral("自动备份失败: ")));
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
}

bool TestBackupCommands::runRestore(const QString &archive, bool confirm)
{
    ui::MessageBox::setNextAnswer(confirm);
    return testing::runModals([&] { restore()->trigger(); }, {{QStringLiteral("QFileDialog"), [&](QDialog *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(archive);
        static_cast<QDialog *>(w)->accept();
    }}});
}

QStringList TestBackupCommands::customers() const
{
    const data::StandingQuery &q = m_program->data().atc1_all();
    QStringList names;
    for (int row = 0; row < q.count(); ++row)
        names << q.value(row, q.fieldIndex(QStringLiteral("a1")));
    return names;
}

// The data of the backup come back, pick lists too, in the customer list;
// what there was before is in an automatic backup; nothing is left over.
void TestBackupCommands::restoreGivesBackTheBackedUpData()
{
    m_program->insert("vx1", {{"mc1", "朋友"}});
    const QString archive = m_out->filePath(QStringLiteral("backup.zip"));
    data::writeBackup(m_program->data().Con_data(), m_program->data().Con_c(), archive);
    m_program->insert("atc1", {{"a1", "李四"}});
    m_program->insert("vx1", {{"mc1", "同事"}});
    m_program->reload();
    QCOMPARE(customers(), (QStringList{"李四", "张三"}));

    QVERIFY(runRestore(archive, true));
    QCOMPARE(m_program->messages().last(), QStringLiteral("数据已从\n\"%1\"\n恢复").arg(archive));
    QCOMPARE(customers(), QStringList{"张三"});
    const data::StandingQuery &friends = m_program->data().pickList(1);
    QCOMPARE(friends.count(), 1);
    QCOMPARE(friends.value(0, friends.fieldIndex(QStringLiteral("mc1"))), QStringLiteral("朋友"));
    QCOMPARE(m_program->main().currentView()->objectName(), QStringLiteral("Frame_liebiao1"));

    const QDir work = m_program->install().dir();
    const QStringList automatic = data::automaticBackups(work);
    QCOMPARE(automatic.size(), 1);
    const QString before = m_out->filePath(QStringLiteral("before"));
    data::unpackBackup(automatic.first(), before);
    QCOMPARE(columnOf(before + QStringLiteral("/Data/Main_data.db"), data::kMainFile.key,
                                            QStringLiteral("select a1 from atc1 order by aid")),
             (QStringList{"张三", "李四"}));
    QCOMPARE(work.entryList({QStringLiteral(".talvero-restore-*")}, QDir::AllEntries | QDir::Hidden), QStringList());
    // The program goes on writing to the restored files.
    m_program->insert("atc1", {{"a1", "王五"}});
    QCOMPARE(m_program->install().columnMain(QStringLiteral("select a1 from atc1 order by aid")),
             (QStringList{"张三", "王五"}));
}

void TestBackupCommands::restoreRefusedChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("not confirmed") << "good" << false;
    QTest::newRow("a damaged archive") << "damaged" << true;
}

// Until the archive is known sound and the user said yes, nothing changes,
// not even the automatic backups.
void TestBackupCommands::restoreRefusedChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(bool, confirm);
    const QString archive = m_out->filePath(QStringLiteral("backup.zip"));
    data::writeBackup(m_program->data().Con_data(), m_program->data().Con_c(), archive);
    if (kind == QLatin1String("damaged")) {
        QFile f(archive);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const QByteArray bytes = f.readAll();
        QVERIFY(f.resize(bytes.size() / 2));
    }
    m_program->insert("atc1", {{"a1", "李四"}});
    m_program->reload();
    ui::MessageBox::clearShown();
    QVERIFY(runRestore(archive, confirm));
    QCOMPARE(customers(), (QStringList{"李四", "张三"}));
    QCOMPARE(data::automaticBackups(m_program->install().dir()), QStringList());
    if (confirm) {
        QCOMPARE(ui::MessageBox::shown().last().kind, ui::MessageBox::Kind::Error);
        QVERIFY(m_program->messages().last().startsWith(QStringLiteral("恢复失败,数据没有改变: ")));
    }
    QCOMPARE(m_program->install().dir().entryList({QStringLiteral(".talvero-restore-*")},
                                                  QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void TestBackupCommands::anInterruptedRestoreIsTakenBack_data()
{
    QTest::addColumn<bool>("swapped"); // the files had already traded places
    QTest::newRow("stopped with the data folder set aside") << false;
    QTest::newRow("stopped after the files traded places") << true;
}

// A restore killed halfway: the next start finds its data folder whole, the
// old one where the files had not traded places yet, and nothing left over.
void TestBackupCommands::anInterruptedRestoreIsTakenBack()
{
    QFETCH(bool, swapped);
    m_program.reset();
    m_program = std::make_unique<testing::Program>([&](testing::TempInstall &install) {
        install.execMain(QStringLiteral("insert into atc1 (a1) values ('张三')"));
        QDir work = install.dir();
        QVERIFY(work.mkdir(QStringLiteral(".talvero-restore-1")));
        if (swapped)
            QVERIFY(QDir().mkpath(work.filePath(QStringLiteral(".talvero-restore-1/Data"))));
        else
            QVERIFY(work.rename(QStringLiteral("Data"), QStringLiteral(".talvero-restore-1/Data.old")));
    });
    QCOMPARE(customers(), QStringList{"张三"});
    QCOMPARE(m_program->install().dir().entryList({QStringLiteral(".talvero-restore-*")},
                                                  QDir::AllEntries | QDir::Hidden),
             QStringList());
}

QTEST_MAIN(TestBackupCommands)
#include "test_backup_commands.moc"
