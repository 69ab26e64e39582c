#include "Installation.h"

#include "Measure.h"
#include "SampleData.h"

#include "Connection.h"
#include "DbError.h"
#include "FreshInstall.h"
#include "RowStore.h"
#include "Schema.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace bench {

namespace {

constexpr uint64_t kStartValue = 20240601;

} // namespace

Installation::Installation()
{
    if (!m_folder.isValid())
        throw data::DbError(QStringLiteral("cannot create a temporary folder"));
    data::createFreshInstallation(dir());
    data::Connection main = data::Connection::open(mainFile(), data::kMainFile.key);
    main.execute(QStringLiteral("update ptp1 set watts=:a"), {{QStringLiteral(":a"), QStringLiteral("1")}});
}

QString Installation::mainFile() const
{
    return dir().filePath(QString::fromLatin1(data::kMainFile.relativePath));
}

QString Installation::lookupFile() const
{
    return dir().filePath(QString::fromLatin1(data::kLookupFile.relativePath));
}

double Installation::fill(int customers)
{
    const int companies = std::max(1, customers / 10);
    return timeMs([&] {
        data::Connection main = data::Connection::open(mainFile(), data::kMainFile.key);
        generateSampleData(main, customers, companies, kStartValue);
    });
}

double Installation::fillTyped(int customers)
{
    const int companies = std::max(1, customers / 10);
    return timeMs([&] {
        data::Connection main = data::Connection::open(mainFile(), data::kMainFile.key);
        generateTypedCustomers(main, customers, companies, kStartValue);
    });
}

void Installation::copyInto(const QDir &workDir) const
{
    for (const data::DatabaseFile &file : {data::kMainFile, data::kLookupFile}) {
        const QString relative = QString::fromLatin1(file.relativePath);
        const QString target = workDir.filePath(relative);
        if (!workDir.mkpath(QFileInfo(relative).path()) || !QFile::copy(dir().filePath(relative), target))
            throw data::DbError(QStringLiteral("cannot copy %1 to %2").arg(relative, workDir.path()));
    }
}

double Installation::loadedMb(const QString &sql) const
{
    data::Connection connection = data::Connection::open(mainFile(), data::kMainFile.key);
    data::Statement statement(connection, sql);
    data::RowStore store;
    store.load(statement);
    return double(store.memoryUsed()) / (1024.0 * 1024.0);
}

} // namespace bench
