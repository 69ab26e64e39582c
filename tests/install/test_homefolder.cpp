// The working folder as the launcher prepares it: made with every missing
// folder above it, for the user alone, with a fresh installation; and when it
// cannot be, a Chinese message that names the folder and the cause.
#include "DbError.h"
#include "HomeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A small file system of its own (the superuser's alone to make), taken away
// again at the end of the test.
class SmallDisk {
public:
    SmallDisk(const QString &at, const QString &options) : m_at(at)
    {
        m_mounted = ::geteuid() == 0 && QDir().mkpath(at)
                    && run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", at});
    }
    ~SmallDisk()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_at});
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_at;
    bool m_mounted = false;
};

} // namespace

class TestWorkFolder : public QObject {
    Q_OBJECT
private slots:
    void makesTheFolderAndItsInstallation();
    void namesTheCause_data();
    void namesTheCause();

private:
    QString at(const QString &relative) const { return m_tmp.filePath(relative); }

    QTemporaryDir m_tmp;
};

// Every missing folder on the way is made for the user alone; one that is
// there keeps its mode; a second start keeps what the first made.
void TestWorkFolder::makesTheFolderAndItsInstallation()
{
    QVERIFY(m_tmp.isValid());
    QVERIFY(QDir().mkpath(at("家")));
    QCOMPARE(::chmod(QFile::encodeName(at("家")).constData(), 0755), 0);
    const QString folder = at("家/数据/工作");

    const data::InstallResult first = data::prepareWorkFolder(folder);
    QCOMPARE(first.created.size(), 2);
    QVERIFY(first.keptExisting.isEmpty());
    for (const QString &made : {QStringLiteral("家/数据"), QStringLiteral("家/数据/工作")})
        QCOMPARE(modeOf(at(made)), 0700);
    QCOMPARE(modeOf(at("家")), 0755);
    for (const char *file : {"Data/Main_data.db", "Data/C_data.db", "ring.wav", "Rop/s1.rav"})
        QVERIFY2(QFileInfo(folder + u'/' + QLatin1String(file)).isFile(), file);

    const data::InstallResult second = data::prepareWorkFolder(folder);
    QVERIFY(second.created.isEmpty());
    QCOMPARE(second.keptExisting.size(), 2);
    QVERIFY(second.soundWritten.isEmpty());
    QVERIFY(second.reportsWritten.isEmpty());
}

void TestWorkFolder::namesTheCause_data()
{
    QTest::addColumn<QString>("setting"); // what stands in the way, under the test's folder
    QTest::addColumn<QString>("folder");  // the working folder, under the test's folder
    QTest::addColumn<QString>("message"); // {} is the test's folder

    QTest::newRow("a file in the folder's place")
        << "file 工作" << "工作" << "无法准备工作文件夹 {}/工作：{}/工作 是文件，不是文件夹。";
    QTest::newRow("a file in place of a folder above")
        << "file 上级" << "上级/工作" << "无法准备工作文件夹 {}/上级/工作：{}/上级 是文件，不是文件夹。";
    QTest::newRow("a folder the user may not write")
        << "folder 工作 0500" << "工作" << "无法准备工作文件夹 {}/工作：不能写入该文件夹，没有权限。";
    QTest::newRow("a folder above that the user may not write")
        << "folder 上级 0500" << "上级/工作"
        << "无法准备工作文件夹 {}/上级/工作：无法在 {}/上级 中建立文件夹 工作，没有权限。";
    QTest::newRow("a disk that is only read")
        << "disk 磁盘 ro,size=1m" << "磁盘/工作"
        << "无法准备工作文件夹 {}/磁盘/工作：无法在 {}/磁盘 中建立文件夹 工作，磁盘是只读的。";
    QTest::newRow("a full disk")
        << "disk 磁盘 size=64k" << "磁盘/工作" << "无法准备工作文件夹 {}/磁盘/工作：无法在其中建立新的安装，磁盘空间已满。";
}

// The message names the working folder and the cause, in Chinese, quoting no
// English system text.
void TestWorkFolder::namesTheCause()
{
    QFETCH(QString, setting);
    QFETCH(QString, folder);
    QFETCH(QString, message);
    QVERIFY(m_tmp.isValid());

    const QStringList parts = setting.split(u' ');
    const QString place = at(parts[1]);
    std::unique_ptr<SmallDisk> disk;
    auto restore = qScopeGuard([&] {
        disk.reset();
        ::chmod(QFile::encodeName(place).constData(), 0700);
        QFileInfo(place).isDir() ? void(QDir(place).removeRecursively()) : void(QFile::remove(place));
    });
    if (parts[0] == "file") {
        QFile file(place);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (parts[0] == "folder") {
        if (::geteuid() == 0)
            QSKIP("the superuser may write into any folder");
        QVERIFY(QDir().mkpath(place));
        QCOMPARE(::chmod(QFile::encodeName(place).constData(), mode_t(parts[2].toInt(nullptr, 8))), 0);
    } else {
        disk = std::make_unique<SmallDisk>(place, parts[2]);
        if (!disk->mounted())
            QSKIP("only the superuser, where the system lets it, can make a small disk");
    }

    QString said;
    try {
        data::prepareWorkFolder(at(folder));
        QFAIL("the folder was prepared");
    } catch (const data::DbError &e) {
        said = e.message();
    }
    QCOMPARE(said, QString(message).replace(QStringLiteral("{}"), m_tmp.path()));
}

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "test_homefolder.moc"
