// The report files of a fresh installation as the reports read them: once
// per run, refused with what the error box says when missing or broken.
#include "DefaultReports.h"
#include "FreshInstall.h"
#include "ReportDefinition.h"
#include "reports/ReportProjects.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestReportLibrary : public QObject {
    Q_OBJECT
private slots:
    void init();
    void projectsAreTheInstalledReports();
    void unavailableReports_data();
    void unavailableReports();
    void aFileIsReadOncePerRun();
    void largeFilesAreNotRead_data();
    void largeFilesAreNotRead();

private:
    QString path(const char *relative) const { return QDir(m_dir->path()).absoluteFilePath(QString::fromLatin1(relative)); }
    void rewrite(const char *relative, const QByteArray &text) const;
    const reports::ReportProject &products() const { return *reports::reportOf(QStringLiteral("vtv4_all")); }

    std::unique_ptr<QTemporaryDir> m_dir; // a fresh installation for each test
};

void TestReportLibrary::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    data::createFreshInstallation(QDir(m_dir->path()));
}

void TestReportLibrary::rewrite(const char *relative, const QByteArray &text) const
{
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Every project reads the file the installation wrote for it, with its data.
void TestReportLibrary::projectsAreTheInstalledReports()
{
    reports::ReportLibrary library{QDir(m_dir->path())};
    QStringList projects;
    for (const reports::ReportProject &p : reports::reportProjects()) {
        projects << QString::fromLatin1(p.project);
        QCOMPARE(library.definition(p).data, QString::fromLatin1(p.data));
        QCOMPARE(reports::reportOf(QString::fromLatin1(p.query)), &p);
    }
    QCOMPARE(projects, (QStringList{"RvProject1", "RvProject7", "RvProject3", "RvProject2", "RvProject4", "RvProject5"}));
    QCOMPARE(library.definition(products()).title, QStringLiteral("产品清单表"));
    QCOMPARE(reports::reportOf(QStringLiteral("vtv3_all")), nullptr);
}

void TestReportLibrary::unavailableReports_data()
{
    QTest::addColumn<QByteArray>("text"); // what Rop/s4.rav holds; none: the file is gone
    QTest::addColumn<QString>("message"); // %1: the file's full path
    QTest::newRow("missing") << QByteArray() << "The following reporting project does not exist:\n\"%1\"";
    QTest::newRow("broken") << QByteArray("title: 表\ndata: RvData_chanpin\ncolumn: o1 | 名称\n")
                            << "%1 第 3 行:一列由五部分组成:字段 | 标题 | 宽度 | 对齐 | 超长时";
    QTest::newRow("a width of nan") << QByteArray("title: 表\ndata: RvData_chanpin\ncolumn: o1 | 名称 | nan | left | wrap\n")
                                    << "%1 第 3 行:宽度“nan”不是 1 到 1000 之间的数";
    const QString text = QStringLiteral("title: 表\ndata: RvData_chanpin\n");
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)
                            << "%1 第 1 行:不是 UTF-8 编码的文本,这不是报表定义";
    QTest::newRow("other data") << QByteArray("title: 表\ndata: RvData_fenxi\ncolumn: h2 | 产品 | 40 | left | wrap\n")
                                << "%1:这个报表打印 RvData_chanpin 的数据,文件里写的却是“RvData_fenxi”";
}

void TestReportLibrary::unavailableReports()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    if (text.isEmpty())
        QVERIFY(QFile::remove(path("Rop/s4.rav")));
    else
        rewrite("Rop/s4.rav", text);
    reports::ReportLibrary library{QDir(m_dir->path())};
    try {
        library.definition(products());
        QFAIL("the report was read");
    } catch (const reports::ReportUnavailable &e) {
        QCOMPARE(e.message(), message.arg(path("Rop/s4.rav")));
    }
}

// A file changed while the program runs counts from the next start.
void TestReportLibrary::aFileIsReadOncePerRun()
{
    reports::ReportLibrary library{QDir(m_dir->path())};
    QCOMPARE(library.definition(products()).title, QStringLiteral("产品清单表"));
    rewrite("Rop/s4.rav", "title: 新表\ndata: RvData_chanpin\ncolumn: o1 | 名称 | 40 | left | wrap\n");
    QCOMPARE(library.definition(products()).title, QStringLiteral("产品清单表"));
    QVERIFY(QFile::remove(path("Rop/s4.rav")));
    QCOMPARE(library.definition(products()).columns.size(), size_t(11));

    reports::ReportLibrary nextStart{QDir(m_dir->path())};
    rewrite("Rop/s4.rav", "title: 新表\ndata: RvData_chanpin\ncolumn: o1 | 名称 | 40 | left | wrap\n");
    QCOMPARE(nextStart.definition(products()).title, QStringLiteral("新表"));
}

void TestReportLibrary::largeFilesAreNotRead_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("one byte over the bound") << data::kReportDefinitionMaxBytes + 1;
    QTest::newRow("1 GiB, sparse") << (qint64(1) << 30);
}

// A file larger than any definition is refused, naming the file, before it
// is read: a definition followed by comment lines to the size given.
void TestReportLibrary::largeFilesAreNotRead()
{
    QFETCH(qint64, size);
    const QByteArray text = "title: 表\ndata: RvData_chanpin\ncolumn: o1 | 名称 | 40 | left | wrap\n#";
    QFile file(path("Rop/s4.rav"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    if (size <= data::kReportDefinitionMaxBytes + 1)
        file.write(QByteArray(size - text.size(), '#'));
    else
        QVERIFY(file.resize(size)); // a hole reads as NULs
    file.close();
    QCOMPARE(QFileInfo(file).size(), size);
    reports::ReportLibrary library{QDir(m_dir->path())};
    try {
        library.definition(products());
        QFAIL("the report was read");
    } catch (const reports::ReportUnavailable &e) {
        QCOMPARE(e.message(), QStringLiteral("%1:文件大于 256 KB,不是报表定义").arg(path("Rop/s4.rav")));
    }
}

QTEST_MAIN(TestReportLibrary)
#include "test_report_library.moc"
