// The program names its desktop entry, so that a Wayland compositor finds the
// entry's name and icon for its windows.
#include "AppIdentity.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

class TestDesktopName : public QObject {
    Q_OBJECT
private slots:
    void theProgramNamesItsDesktopEntry();
};

void TestDesktopName::theProgramNamesItsDesktopEntry()
{
    app::setUpApplication();
    // The entry the installation puts where a desktop finds it.
    const QString entry = QStringLiteral(TALVERO_DESKTOP_DIR "/") + QGuiApplication::desktopFileName() + ".desktop";
    QVERIFY2(QFileInfo(entry).isFile(), qPrintable(entry));
}

QTEST_MAIN(TestDesktopName)
#include "test_desktop_name.moc"
