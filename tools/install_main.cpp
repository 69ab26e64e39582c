// talvero-install [--window] FOLDER: prepares a working folder for the
// program: makes the folder where it is missing and, in it, the two encrypted
// database files of a fresh installation, the reminder's sound ring.wav and
// the report files of Rop/. Existing files are never touched.
// When the folder cannot be prepared, the reason goes to the standard error
// and, with --window (the launcher's way, where nobody reads the standard
// error), into an error window as well.
#include "AppIdentity.h"
#include "DbError.h"
#include "MessageBox.h"
#include "HomeFolder.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

// Whether a window can be shown at all: a display, or a platform named for
// Qt (the tests' offscreen one). Without one Qt would end the process.
bool canShowWindow()
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

int refuse(int argc, char *argv[], const QString &message, bool window)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (window && canShowWindow()) {
        QApplication application(argc, argv);
        app::setUpApplication();
        ui::MessageBox::fatal(message);
    }
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The installation is for this user alone.
    ::umask(077);
    const bool window = argc == 3 && std::strcmp(argv[1], "--window") == 0;
    if (argc != 2 + int(window) || argv[argc - 1][0] == '\0') {
        std::fprintf(stderr, "usage: talvero-install [--window] FOLDER\n");
        return 2;
    }
    try {
        const data::InstallResult result = data::prepareWorkFolder(QString::fromLocal8Bit(argv[argc - 1]));
        for (const QString &path : result.created)
            std::printf("created %s\n", qPrintable(path));
        for (const QString &path : result.keptExisting)
            std::printf("kept existing %s\n", qPrintable(path));
        if (!result.soundWritten.isEmpty())
            std::printf("created %s\n", qPrintable(result.soundWritten));
        for (const QString &path : result.reportsWritten)
            std::printf("created %s\n", qPrintable(path));
    } catch (const data::DbError &e) {
        return refuse(argc, argv, e.message(), window);
    }
    return 0;
}
