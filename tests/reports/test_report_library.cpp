// The report files of a fresh installation as the reports read them: once
// per run, refused with what the error box says when missing or broken.
#include "DefaultReports.h"
#include "FreshInstall.h"
#include "reports/ReportProjects.h"

#include <QFile>
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
                            << "%1, line 3: a column has five parts: field | caption | width | alignment | overflow";
    QTest::newRow("other data") << QByteArray("title: 表\ndata: RvData_fenxi\ncolumn: h2 | 产品 | 40 | left | wrap\n")
                                << "%1: the report prints RvData_chanpin, not RvData_fenxi";
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

QTEST_MAIN(TestReportLibrary)
#include "test_report_library.moc"
