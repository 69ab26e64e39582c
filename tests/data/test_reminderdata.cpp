// What the activity reminder needs from the installation: its statement, the
// index that keeps it quick (in new files, and added to older ones without
// touching a row), the sound ring.wav beside the databases, and the check
// that tells a sound file fit to play.
#include "Chime.h"
#include "Connection.h"
#include "FreshInstall.h"
#include "ReminderText.h"
#include "Schema.h"
#include "SoundFile.h"
#include "Statement.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace {

data::Connection openMain(const QDir &dir)
{
    return data::Connection::open(dir.filePath(data::kMainFile.relativePath), data::kMainFile.key);
}

QStringList column(data::Connection &c, const QString &sql)
{
    data::Statement s(c, sql);
    QStringList values;
    while (s.step())
        values << (s.isNull(0) ? QStringLiteral("<null>") : s.text(0));
    return values;
}

// Every row of vtv1, every column, as text.
QStringList activityRows(data::Connection &c)
{
    data::Statement s(c, QStringLiteral("select * from vtv1 order by eid"));
    QStringList rows;
    while (s.step()) {
        QStringList cells;
        for (int i = 0; i < s.columnCount(); ++i)
            cells << (s.isNull(i) ? QStringLiteral("<null>") : s.text(i));
        rows << cells.join(u'|');
    }
    return rows;
}

QStringList indexesOfVtv1(data::Connection &c)
{
    return column(c, QStringLiteral("select name from sqlite_master where type='index' and tbl_name='vtv1' "
                                    "and name not like 'sqlite_%' order by name"));
}

int modeOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

// A RIFF chunk: its name, its length and its bytes, with the pad byte of an odd length.
QByteArray chunk(const char *name, const QByteArray &bytes, quint32 claimed)
{
    QByteArray out(name, 4);
    const quint32 le = qToLittleEndian(claimed);
    out.append(reinterpret_cast<const char *>(&le), 4);
    out.append(bytes);
    if (bytes.size() % 2)
        out.append('\0');
    return out;
}

// A format chunk: the sample format tag, mono, 22050 Hz, 16 bits.
QByteArray format(quint16 tag)
{
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(tag, fmt.data());
    qToLittleEndian<quint16>(1, fmt.data() + 2);
    qToLittleEndian<quint32>(22050, fmt.data() + 4);
    qToLittleEndian<quint32>(44100, fmt.data() + 8);
    qToLittleEndian<quint16>(2, fmt.data() + 12);
    qToLittleEndian<quint16>(16, fmt.data() + 14);
    return chunk("fmt ", fmt, 16);
}

QByteArray riff(const QByteArray &form, const QByteArray &chunks)
{
    return chunk("RIFF", form + chunks, quint32(4 + chunks.size()));
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReminderData : public QObject {
    Q_OBJECT
private slots:
    void pollFindsTheMinutesActivitiesStillToDo();
    void pollIsAnIndexLookup_data();
    void pollIsAnIndexLookup();
    void olderFileGetsTheIndexWithItsRowsUnchanged();
    void soundIsWrittenOnceAndNeverReplaced_data();
    void soundIsWrittenOnceAndNeverReplaced();
    void chimeIsAShortPlayableWave();
    void soundFileIsJudgedByItsHeader_data();
    void soundFileIsJudgedByItsHeader();
};

// The minute's activities, every one, oldest first; ended ones left out, and
// the minute compared as a whole.
void TestReminderData::pollFindsTheMinutesActivitiesStillToDo()
{
    QCOMPARE(data::reminderPoll(QStringLiteral("2024-01-05 09:30")),
             QStringLiteral("select e11,e12,e8,e13,e9,e3,e5,e6,e7,eid from vtv1 where e3 like '2024-01-05 09:30' "
                            "and (e15 is null or e15<>'已结束') order by eid"));
    testing::TempInstall install;
    data::Connection c = openMain(install.dir());
    const char *rows[][3] = {
        {"a", "2024-01-05 09:30", "正常"}, {"b", "2024-01-05 09:31", "正常"}, {"c", "2024-01-05 09:30", "已结束"},
        {"d", "2024-01-05 09:30", nullptr}, {"e", "2024-01-05 09:3", "正常"},   {"f", "2024-01-05 09:30", "正常"},
        {"g", "2024-01-05 09:300", "正常"},
    };
    for (const auto &row : rows) {
        c.execute(QStringLiteral("insert into vtv1 (e11,e3,e15) values (:a,:b,%1)").arg(row[2] ? ":c" : "null"),
                  row[2] ? data::Params{{":a", row[0]}, {":b", row[1]}, {":c", row[2]}}
                         : data::Params{{":a", row[0]}, {":b", row[1]}});
    }
    QCOMPARE(column(c, data::reminderPoll(QStringLiteral("2024-01-05 09:30"))), (QStringList{"a", "d", "f"}));
    QCOMPARE(column(c, data::scheduledMinutes(QStringLiteral("2024-01-05 09:29"), QStringLiteral("2024-01-05 09:31"))),
             (QStringList{"2024-01-05 09:3", "2024-01-05 09:30", "2024-01-05 09:300", "2024-01-05 09:31"}));
}

void TestReminderData::pollIsAnIndexLookup_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("one minute") << data::reminderPoll("2024-01-05 09:30");
    QTest::newRow("a stretch of minutes") << data::scheduledMinutes("2024-01-05 09:30", "2024-01-07 09:30");
}

// A poll reads the few rows of its minutes through the index, however many
// activities there are.
void TestReminderData::pollIsAnIndexLookup()
{
    QFETCH(QString, sql);
    testing::TempInstall install;
    data::Connection c = openMain(install.dir());
    data::Statement explain(c, QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    QStringList details;
    while (explain.step())
        details << explain.text(3);
    QVERIFY2(details.join(u';').contains(QStringLiteral("INDEX vtv1_e3 (e3>? AND e3<")), qPrintable(details.join(u';')));
}

// A file made before the index was part of the installation gets it when
// the program opens it; not a row changes.
void TestReminderData::olderFileGetsTheIndexWithItsRowsUnchanged()
{
    testing::TempInstall install;
    QStringList before;
    {
        data::Connection c = openMain(install.dir());
        c.execute(QStringLiteral("drop index vtv1_e3"));
        for (int i = 0; i < 50; ++i) {
            c.execute(QStringLiteral("insert into vtv1 (e2,e3,e11,e15) values (:a,:b,:c,:d)"),
                      {{":a", QString::number(i % 7)}, {":b", QStringLiteral("2024-01-05 09:%1").arg(i, 2, 10, QChar(u'0'))},
                       {":c", QStringLiteral("客户%1").arg(i)}, {":d", i % 3 ? "正常" : "已结束"}});
        }
        c.execute(QStringLiteral("delete from vtv1 where eid in (3, 17)"));
        QCOMPARE(indexesOfVtv1(c), QStringList());
        before = activityRows(c);
    }
    {
        TData_in program(install.dir());
        QCOMPARE(indexesOfVtv1(program.Con_data()), QStringList{"vtv1_e3"});
        QCOMPARE(activityRows(program.Con_data()), before);
        // The next insert still takes the next key: nothing was rebuilt.
        program.Con_data().execute(QStringLiteral("insert into vtv1 (e11) values ('next')"));
        QCOMPARE(program.Con_data().lastInsertId(), qint64(51));
    }
    // Opening it again adds nothing.
    data::Connection again = openMain(install.dir());
    QCOMPARE(data::addMissingIndexes(again), QStringList());
}

void TestReminderData::soundIsWrittenOnceAndNeverReplaced_data()
{
    QTest::addColumn<QString>("before"); // what has the name ring.wav before the installation
    QTest::newRow("nothing") << "";
    QTest::newRow("the user's own sound") << "file";
    QTest::newRow("a link to nowhere") << "dangling link";
    QTest::newRow("a folder") << "folder";
}

void TestReminderData::soundIsWrittenOnceAndNeverReplaced()
{
    QFETCH(QString, before);
    QTemporaryDir work;
    const QDir dir(work.path());
    const QString sound = dir.filePath(QStringLiteral("ring.wav"));
    const QByteArray own = QByteArrayLiteral("RIFF the user's own bell");
    if (before == "file") {
        QFile file(sound);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(own);
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (before == "dangling link") {
        QVERIFY(QFile::link(dir.filePath("elsewhere.wav"), sound));
    } else if (before == "folder") {
        QVERIFY(dir.mkdir("ring.wav"));
    }
    const int modeBefore = modeOf(sound);

    const data::InstallResult first = data::createFreshInstallation(dir);
    const data::InstallResult second = data::createFreshInstallation(dir);
    QVERIFY(second.soundWritten.isEmpty());
    if (before.isEmpty()) {
        QCOMPARE(first.soundWritten, sound);
        QCOMPARE(modeOf(sound), 0600);
        QCOMPARE(contentOf(sound), data::chimeWave());
        return;
    }
    QVERIFY(first.soundWritten.isEmpty());
    QCOMPARE(modeOf(sound), modeBefore);
    if (before == "file")
        QCOMPARE(contentOf(sound), own);
    QVERIFY(!QFileInfo::exists(dir.filePath("elsewhere.wav")));
}

// A wave file a player takes: RIFF, PCM, 16-bit mono, a few hundred
// milliseconds, soft, rising at once and dying away to silence.
void TestReminderData::chimeIsAShortPlayableWave()
{
    const QByteArray wave = data::chimeWave();
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wave.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wave.constData() + at); };
    QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt ");
    QCOMPARE(u32(4), quint32(wave.size() - 8));
    QCOMPARE(u16(20), quint16(1));  // PCM
    QCOMPARE(u16(22), quint16(1));  // mono
    QCOMPARE(u16(34), quint16(16)); // bits
    QCOMPARE(wave.mid(36, 4), QByteArray("data"));
    const quint32 rate = u32(24);
    const quint32 frames = u32(40) / 2;
    QCOMPARE(int(u32(40)), wave.size() - 44);
    const double seconds = double(frames) / rate;
    QVERIFY2(seconds >= 0.2 && seconds <= 1.0, qPrintable(QString::number(seconds)));

    auto sample = [&](quint32 i) { return std::abs(int(qint16(u16(44 + int(i) * 2)))); };
    int loudest = 0, earlyPeak = 0, latePeak = 0;
    for (quint32 i = 0; i < frames; ++i) {
        loudest = std::max(loudest, sample(i));
        if (i < rate / 20)
            earlyPeak = std::max(earlyPeak, sample(i));
        if (i > frames - rate / 20)
            latePeak = std::max(latePeak, sample(i));
    }
    QVERIFY(loudest > 3000 && loudest < 20000); // heard, but soft
    QVERIFY(earlyPeak > loudest / 2);           // it rings at once
    QVERIFY(latePeak < loudest / 10);           // and dies away
    QVERIFY(sample(frames - 1) < 100);          // to nothing: no click at the end
}

void TestReminderData::soundFileIsJudgedByItsHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size"); // the file made that long, sparse; 0: as long as the bytes
    QTest::addColumn<int>("verdict");
    using Check = data::SoundFileCheck;
    const qint64 bound = data::kLongestSoundBytes;
    const QByteArray samples(2000, '\x20');
    const QByteArray pcm = format(1);
    const auto row = [](const char *name, const QByteArray &bytes, qint64 size, Check verdict) {
        QTest::newRow(name) << bytes << size << int(verdict);
    };
    row("the chime", data::chimeWave(), 0, Check::Playable);
    row("a list of names before the samples",
        riff("WAVE", pcm + chunk("LIST", "INFOnote", 8) + chunk("data", samples, 2000)), 0, Check::Playable);
    row("floating-point samples", riff("WAVE", format(3) + chunk("data", samples, 2000)), 0, Check::Playable);
    row("as large as the bound", riff("WAVE", pcm + chunk("data", samples, quint32(bound - 44))), bound, Check::Playable);
    row("no bytes", QByteArray(), 0, Check::Empty);
    row("no samples", riff("WAVE", pcm + chunk("data", {}, 0)), 0, Check::Empty);
    row("samples claimed, none there", riff("WAVE", pcm + chunk("data", {}, 2000)), 0, Check::Empty);
    row("a byte larger than the bound", riff("WAVE", pcm + chunk("data", samples, quint32(bound - 43))), bound + 1,
        Check::TooLarge);
    row("two gigabytes", riff("WAVE", pcm + chunk("data", samples, 0x80000000u)), 0x80000000LL + 44, Check::TooLarge);
    row("a small file claiming two gigabytes", riff("WAVE", pcm + chunk("data", samples, 0x80000000u)), 0,
        Check::TooLarge);
    row("text", "ring ring ring ring\n", 0, Check::NotWave);
    row("a RIFF file of another kind", riff("AVI ", pcm + chunk("data", samples, 2000)), 0, Check::NotWave);
    row("compressed samples", riff("WAVE", format(0x55) + chunk("data", samples, 2000)), 0, Check::NotWave);
    row("samples before their format", riff("WAVE", chunk("data", samples, 2000) + pcm), 0, Check::NotWave);
    row("no samples chunk", riff("WAVE", pcm), 0, Check::NotWave);
    row("a chunk longer than the file", riff("WAVE", pcm + chunk("LIST", "x", 0x7fffffff)), 0, Check::NotWave);
}

// Only the header is read: a file too large is told by its size (a sparse
// file here, none of it written) or by what its header claims.
void TestReminderData::soundFileIsJudgedByItsHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(int, verdict);
    QTemporaryDir work;
    const QString path = QDir(work.path()).filePath(QStringLiteral("ring.wav"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    if (size)
        QVERIFY(file.resize(size));
    file.close();
    QCOMPARE(int(data::checkSoundFile(path)), verdict);
}

QTEST_MAIN(TestReminderData)
#include "test_reminderdata.moc"
