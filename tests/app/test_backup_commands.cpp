// The backups of a running program: 系统 > 备份数据 to a file the user names,
// and the program's own in Backup/, over its real encrypted files.
#include "Backup.h"
#include "BackupCommands.h"
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "Restore.h"
#include "Schema.h"
#include "Statement.h"
#include "TData_in.h"
#include "Ta_main.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

class TestBackupCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backUpFromTheMenu();
    void aCancelledBackupWritesNothing();
    void automaticBackupsOncePerDayAndAtEveryExit();
    void aFailedAutomaticBackupWarns();

private:
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

// The start of a day makes one; a second start that day none; an exit one more.
void TestBackupCommands::automaticBackupsOncePerDayAndAtEveryExit()
{
    const QDir work = m_program->install().dir();
    const QDateTime morning(QDate(2026, 12, 11), QTime(8, 0));
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, true, morning);
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, true, morning.addSecs(3600));
    QCOMPARE(data::automaticBackups(work).size(), 1);
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, false, morning.addSecs(7200));
    QCOMPARE(data::automaticBackups(work).size(), 2);
    QCOMPARE(m_program->messages(), QStringList());
}

// Where the backups cannot go, the program warns and goes on.
void TestBackupCommands::aFailedAutomaticBackupWarns()
{
    const QDir work = m_program->install().dir();
    QFile blocker(work.filePath(QStringLiteral("Backup")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app::backUpAutomatically(&m_program->main(), m_program->data(), work, false);
    QCOMPARE(m_program->messages().size(), 1);
    QVERIFY(m_program->messages().first().startsWith(QStringLiteral("自动备份失败: ")));
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
}

QTEST_MAIN(TestBackupCommands)
#include "test_backup_commands.moc"
