#include "BackupFigures.h"

#include "Installation.h"
#include "Measure.h"
#include "Targets.h"

#include "Backup.h"
#include "Connection.h"
#include "DbError.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace bench {

TimedFigure backupFigure(const Installation &installation, int customers, int runs)
{
    QTemporaryDir out;
    if (!out.isValid())
        throw data::DbError(QStringLiteral("cannot create a temporary folder"));
    data::Connection main = data::Connection::open(installation.mainFile(), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(installation.lookupFile(), data::kLookupFile.key);
    const QString archive = out.filePath(QStringLiteral("backup.zip"));
    const auto copy = [&] {
        for (const QString &file : {installation.mainFile(), installation.lookupFile()}) {
            const QString target = out.filePath(QFileInfo(file).fileName());
            QFile::remove(target);
            if (!QFile::copy(file, target))
                throw data::DbError(QStringLiteral("cannot copy %1").arg(file));
        }
    };
    const PairedTimes times = timeAlternately(runs, [&] { data::writeBackup(installation.dir(), main, lookup, archive); }, copy);
    TimedFigure figure;
    figure.name = QStringLiteral("backup of both files into one archive");
    figure.modelMs = times.firstMs;
    figure.bareMs = times.secondMs;
    figure.reference = QStringLiteral("copying the two files");
    figure.rows = customers;
    figure.target = kBackupTarget;
    return figure;
}

} // namespace bench
