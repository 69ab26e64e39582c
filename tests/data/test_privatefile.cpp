// The one writer of files the user names: whole or not at all, private,
// and under the name itself, never through a link.
#include "DbError.h"
#include "PrivateFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace

class TestPrivateFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void writesTheWholeFilePrivately_data();
    void writesTheWholeFilePrivately();
    void replacesALinkNotWhatItPointsTo();
    void leavesNothingWithoutCommit();
    void namesTheCauseInChinese();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList entries() const { return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name); }
};

void TestPrivateFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestPrivateFile::writesTheWholeFilePrivately_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("new name") << false << QByteArray("张三,李四\n");
    QTest::newRow("over a file") << true << QByteArray("新的内容");
    // More than the writer holds before it writes a piece out.
    QTest::newRow("many pieces") << false << QByteArray(3 * 1024 * 1024 + 17, 'x');
}

void TestPrivateFile::writesTheWholeFilePrivately()
{
    QFETCH(bool, existing);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir->filePath(QStringLiteral("客户.csv"));
    if (existing) {
        put(path, "旧的内容");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    }

    data::PrivateFileWriter out(path);
    for (qsizetype at = 0; at < bytes.size(); at += 1000)
        QCOMPARE(out.device().write(bytes.mid(at, 1000)), qMin<qint64>(1000, bytes.size() - at));
    if (existing)
        QCOMPARE(contents(path), QByteArray("旧的内容")); // until it is whole
    out.commit();

    QCOMPARE(contents(path), bytes);
    QCOMPARE(modeOf(path), mode_t(0600));
    QCOMPARE(entries(), QStringList{QStringLiteral("客户.csv")});
}

void TestPrivateFile::replacesALinkNotWhatItPointsTo()
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("重要.txt"));
    put(target, "别人的文件");
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const mode_t targetMode = modeOf(target);
    const QString path = m_dir->filePath(QStringLiteral("报表.pdf"));
    QVERIFY(QFile::link(target, path));

    data::writePrivateFile(path, "%PDF-1.4");

    QCOMPARE(contents(target), QByteArray("别人的文件"));
    QCOMPARE(modeOf(target), targetMode);
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(contents(path), QByteArray("%PDF-1.4"));
    QCOMPARE(modeOf(path), mode_t(0600));
}

void TestPrivateFile::leavesNothingWithoutCommit()
{
    const QString fresh = m_dir->filePath(QStringLiteral("new.csv"));
    const QString kept = m_dir->filePath(QStringLiteral("kept.csv"));
    put(kept, "原来的");
    {
        data::PrivateFileWriter a(fresh);
        data::PrivateFileWriter b(kept);
        a.device().write("partial");
        b.device().write("partial");
    }
    QCOMPARE(entries(), QStringList{QStringLiteral("kept.csv")});
    QCOMPARE(contents(kept), QByteArray("原来的"));
}

void TestPrivateFile::namesTheCauseInChinese()
{
    const QString missing = m_dir->filePath(QStringLiteral("没有的文件夹/x.csv"));
    try {
        data::PrivateFileWriter out(missing);
        QFAIL("a file was begun in a folder that is not there");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("无法创建“%1”:文件或文件夹不存在").arg(missing));
    }
    // A folder has the name: the bytes are written, the name cannot be taken.
    const QString folder = m_dir->filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    data::PrivateFileWriter out(folder);
    out.device().write("x");
    try {
        out.commit();
        QFAIL("a folder was replaced by a file");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("无法写入“%1”:这是一个文件夹").arg(folder));
    }
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_GUILESS_MAIN(TestPrivateFile)
#include "test_privatefile.moc"
