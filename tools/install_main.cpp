// talvero-install FOLDER: prepares a working folder for the program, creating
// the two encrypted database files of a fresh installation and the reminder's
// sound ring.wav. Existing database files and an existing ring.wav are never
// touched.
#include "DbError.h"
#include "FreshInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <sys/stat.h>

int main(int argc, char *argv[])
{
    // The installation is for this user alone.
    ::umask(077);
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: talvero-install FOLDER\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.exists() && !QDir().mkpath(folder.absolutePath())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.absolutePath()));
        return 1;
    }
    try {
        const data::InstallResult result = data::createFreshInstallation(folder);
        for (const QString &path : result.created)
            std::printf("created %s\n", qPrintable(path));
        for (const QString &path : result.keptExisting)
            std::printf("kept existing %s\n", qPrintable(path));
        if (!result.soundWritten.isEmpty())
            std::printf("created %s\n", qPrintable(result.soundWritten));
        for (const QString &path : result.reportsWritten)
            std::printf("created %s\n", qPrintable(path));
    } catch (const data::DbError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
