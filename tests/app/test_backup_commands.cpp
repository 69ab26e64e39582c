// The backups of a running program: 系统 > 备份数据 to a file the user names,
// and the program's own in Backup/, over its real encrypted files.
#include "Backup.h"
#include "BackupCommands.h"
#include "DailyBackup.h"
#include "Driving.h"
#include "ZipFiles.h"
#include "MessageBox.h"
#include "Program.h"
#include "Restore.h"
#include "Startup.h"
#include "Schema.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WorkProgress.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QSignalSpy>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// The texts of the progress windows that were up, and whether 取 消 was
// there, while the program turned its event loop during a command: the
// window answers meanwhile, and says what it is doing.
class ProgressSeen : public QObject {
public:
    explicit ProgressSeen(QWidget *parent)
    {
        m_look.setInterval(0);
        QObject::connect(&m_look, &QTimer::timeout, this, [this, parent] {
            for (auto *progress : parent->findChildren<ui::WorkProgress *>()) {
                const QString seen = progress->labelText()
                    + (progress->findChild<QPushButton *>() ? QStringLiteral(" [取 消]") : QString());
                if (!m_texts.contains(seen))
                    m_texts << seen;
            }
        });
        m_look.start();
    }
    QStringList texts() const { return m_texts; }

private:
    QTimer m_look;
    QStringList m_texts;
};

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
    void aRestoreThatFailsTwiceEndsWithTheOldDataOpen();
    void whatAnInterruptedBackupLeftGoesAtStart();

private:
    QAction *restore() const { return m_program->main().menuAction(QStringLiteral("系统&"), QStringLiteral("恢复数据&")); }
    // Runs 恢复数据 on that archive, the question answered as given; the
    // folder the file dialog opened in is kept.
    bool runRestore(const QString &archive, bool confirm);
    QString m_dialogFolder;
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
// the program says where it went; meanwhile a window shows how far it is.
void TestBackupCommands::backUpFromTheMenu()
{
    QVERIFY(backUp()->isEnabled());
    const QString archive = m_out->filePath(QStringLiteral("我的备份.zip"));
    ProgressSeen progress(&m_program->main());
    QVERIFY(testing::runModals([&] { backUp()->trigger(); }, {{QStringLiteral("QFileDialog"), [&](QDialog *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog->selectedFiles().value(0).contains(QStringLiteral("Talvero-备份-")));
        dialog->selectFile(archive);
        static_cast<QDialog *>(dialog)->accept();
    }}}));
    QCOMPARE(m_program->messages(), QStringList{QStringLiteral("数据已备份到\n\"%1\"").arg(archive)});
    QCOMPARE(progress.texts(), QStringList{QStringLiteral("正在备份数据... [取 消]")});
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
// that day none; an exit one more, with a window that says so.
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
    ProgressSeen progress(&m_program->main());
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, morning.addSecs(7200));
    QCOMPARE(data::automaticBackups(work).size(), 2);
    QCOMPARE(m_program->messages(), QStringList());
    QCOMPARE(progress.texts(), QStringList{QStringLiteral("正在自动备份数据...")});
}

// Where the backups cannot go, the program warns, in words, and goes on.
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
    QCOMPARE(m_program->messages(),
             QStringList{QStringLiteral("自动备份失败: 无法创建文件夹“%1”:同名的文件已存在")
                             .arg(work.filePath(QStringLiteral("Backup")))});
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
}

bool TestBackupCommands::runRestore(const QString &archive, bool confirm)
{
    ui::MessageBox::setNextAnswer(confirm);
    return testing::runModals([&] { restore()->trigger(); }, {{QStringLiteral("QFileDialog"), [&](QDialog *w) {
        m_dialogFolder = qobject_cast<QFileDialog *>(w)->directory().absolutePath();
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

// The archive is offered from where the program keeps its backups, and the
// user is asked with what it holds before her; its data come back, pick
// lists too, in the customer list; what there was before is in an automatic
// backup; nothing is left over.
void TestBackupCommands::restoreGivesBackTheBackedUpData()
{
    m_program->insert("vx1", {{"mc1", "朋友"}});
    const QDir work = m_program->install().dir();
    const QString archive = m_out->filePath(QStringLiteral("backup.zip"));
    QVERIFY(data::writeBackup(work, m_program->data().Con_data(), m_program->data().Con_c(), archive,
                              QDateTime(QDate(2026, 12, 11), QTime(9, 30, 14))));
    m_program->insert("atc1", {{"a1", "李四"}});
    m_program->insert("vx1", {{"mc1", "同事"}});
    m_program->reload();
    QCOMPARE(customers(), (QStringList{"李四", "张三"}));

    ProgressSeen progress(&m_program->main());
    QVERIFY(runRestore(archive, true));
    QCOMPARE(progress.texts(), (QStringList{QStringLiteral("正在检查备份文件... [取 消]"),
                                            QStringLiteral("正在备份现在的数据... [取 消]")}));
    QCOMPARE(m_dialogFolder, work.filePath(QStringLiteral("Backup")));
    QCOMPARE(m_program->messages(),
             (QStringList{QStringLiteral("备份文件\"%1\"\n制作于 2026-12-11 09:30,其中有 1 位客户。\n\n"
                                         "现在的全部数据将被备份中的数据取代(现在的数据会先自动备份)。\n要继续吗?")
                              .arg(archive),
                          QStringLiteral("数据已从\n\"%1\"\n恢复").arg(archive)}));
    QCOMPARE(customers(), QStringList{"张三"});
    const data::StandingQuery &friends = m_program->data().pickList(1);
    QCOMPARE(friends.count(), 1);
    QCOMPARE(friends.value(0, friends.fieldIndex(QStringLiteral("mc1"))), QStringLiteral("朋友"));
    QCOMPARE(m_program->main().currentView()->objectName(), QStringLiteral("Frame_liebiao1"));

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
// not even the automatic backups; an unsound one is refused before the user
// is asked.
void TestBackupCommands::restoreRefusedChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(bool, confirm);
    const QString archive = m_out->filePath(QStringLiteral("backup.zip"));
    QVERIFY(data::writeBackup(m_program->install().dir(), m_program->data().Con_data(), m_program->data().Con_c(),
                              archive));
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
    if (kind == QLatin1String("damaged")) {
        // Refused before the user is asked anything.
        QCOMPARE(ui::MessageBox::shown().size(), 1);
        QCOMPARE(ui::MessageBox::shown().last().kind, ui::MessageBox::Kind::Error);
        QCOMPARE(m_program->messages().last(),
                 QStringLiteral("恢复失败,数据没有改变: \"%1\" 不是可用的备份文件: 无法读取压缩包").arg(archive));
    }
    QCOMPARE(m_program->install().dir().entryList({QStringLiteral(".talvero-restore-*")},
                                                  QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void TestBackupCommands::anInterruptedRestoreIsTakenBack_data()
{
    QTest::addColumn<QString>("left"); // how the restore left the working folder
    QTest::newRow("stopped with the data folder set aside") << "aside";
    QTest::newRow("stopped after the files traded places") << "traded";
    QTest::newRow("the old files left in the staging folder") << "staged";
}

// A restore killed halfway, or one whose old files could not be put back:
// the next start finds its data folder whole, the old one where the files
// had not traded places yet or the working folder lost its own, and nothing
// left over.
void TestBackupCommands::anInterruptedRestoreIsTakenBack()
{
    QFETCH(QString, left);
    m_program.reset();
    m_program = std::make_unique<testing::Program>([&](testing::TempInstall &install) {
        install.execMain(QStringLiteral("insert into atc1 (a1) values ('张三')"));
        QDir work = install.dir();
        QVERIFY(work.mkdir(QStringLiteral(".talvero-restore-1")));
        if (left == QLatin1String("traded"))
            QVERIFY(QDir().mkpath(work.filePath(QStringLiteral(".talvero-restore-1/Data"))));
        else if (left == QLatin1String("aside"))
            QVERIFY(work.rename(QStringLiteral("Data"), QStringLiteral(".talvero-restore-1/Data.old")));
        else
            QVERIFY(work.rename(QStringLiteral("Data"), QStringLiteral(".talvero-restore-1/Data")));
    });
    QCOMPARE(customers(), QStringList{"张三"});
    QCOMPARE(m_program->install().dir().entryList({QStringLiteral(".talvero-restore-*")},
                                                  QDir::AllEntries | QDir::Hidden),
             QStringList());
}

// The restored files will not open in place (a table went missing under
// them), and while the old ones are put back the working folder turns out to
// have lost its Data/ (moved away meanwhile): the old files still come back
// and open, and the program says what happened instead of ending.
void TestBackupCommands::aRestoreThatFailsTwiceEndsWithTheOldDataOpen()
{
    const QDir work = m_program->install().dir();
    const QString archive = m_out->filePath(QStringLiteral("backup.zip"));
    QVERIFY(data::writeBackup(work, m_program->data().Con_data(), m_program->data().Con_c(), archive));
    m_program->insert("atc1", {{"a1", "李四"}});
    m_program->reload();
    // Once the files were closed (find_gongsi is the last to close) and the
    // restored ones are being opened in their place.
    QObject strike;
    bool closed = false;
    bool struck = false;
    connect(&m_program->data().find_gongsi(), &data::StandingQuery::refreshed, &strike, [&] { closed = true; });
    connect(&m_program->data().atc1_all(), &data::StandingQuery::refreshed, &strike, [&] {
        if (!closed || struck)
            return;
        struck = true;
        QVERIFY(QDir(work).rename(QStringLiteral("Data"), QStringLiteral("Data.moved")));
        data::Connection::open(work.filePath(QStringLiteral("Data.moved/Main_data.db")), data::kMainFile.key)
            .execute(QStringLiteral("drop table atc2"));
    });
    QVERIFY(runRestore(archive, true));
    QVERIFY(struck);
    QCOMPARE(m_program->messages().last(),
             QStringLiteral("恢复失败,数据没有改变: 恢复的数据无法打开: 数据库文件的结构与本系统不符"));
    QCOMPARE(customers(), (QStringList{"李四", "张三"}));
    m_program->insert("atc1", {{"a1", "王五"}});
    QCOMPARE(m_program->install().columnMain(QStringLiteral("select a1 from atc1 order by aid")),
             (QStringList{"张三", "李四", "王五"}));
}

// A backup killed halfway left its work folder, with copies of both files,
// in Backup/, or an archive half written: the next start removes them and
// leaves the backups alone.
void TestBackupCommands::whatAnInterruptedBackupLeftGoesAtStart()
{
    m_program.reset();
    m_program = std::make_unique<testing::Program>([](testing::TempInstall &install) {
        QVERIFY(install.dir().mkpath(QStringLiteral("Backup/.talvero-backup-Ab12Cd")));
        for (const char *name : {"Main_data.db", "C_data.db", "archive.zip"})
            testing::writeFile(install.path(QStringLiteral("Backup/.talvero-backup-Ab12Cd/") + QLatin1String(name)), "copy");
        testing::writeFile(install.path(QStringLiteral("Backup/Talvero-备份-2026-12-01-090000.zip")), "a backup");
        testing::writeFile(install.path(QStringLiteral("Backup/.Talvero-备份-2026-12-02-090000.zip.Xy12Zq")), "half");
    });
    QCOMPARE(QDir(m_program->install().path(QStringLiteral("Backup")))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Talvero-备份-2026-12-01-090000.zip")});
}

QTEST_MAIN(TestBackupCommands)
#include "test_backup_commands.moc"
