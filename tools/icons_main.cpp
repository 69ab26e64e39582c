// talvero-icons FOLDER: writes the program's icon into FOLDER as the
// pictures of the desktop's icon theme, hicolor/NxN/apps/org.talvero.crm.png
// for each size the desktop asks for.
#include "AppIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: talvero-icons FOLDER\n");
        return 2;
    }
    for (int pixels : app::kAppIconSizes) {
        const QString folder = QDir(args[1]).filePath(QStringLiteral("hicolor/%1x%1/apps").arg(pixels));
        const QString file = QDir(folder).filePath(QStringLiteral("org.talvero.crm.png"));
        if (!QDir().mkpath(folder) || !app::appIconImage(pixels).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
