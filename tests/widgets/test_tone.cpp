#include "Tone.h"

#include <QTest>

class TestTone : public QObject {
    Q_OBJECT
private slots:
    void playsOrStaysSilentWithoutFailing();
};

// With or without an audio device the call returns, is counted, and the
// sound (if any) is released once the event loop has run on.
void TestTone::playsOrStaysSilentWithoutFailing()
{
    const int before = ui::toneCount();
    ui::tone(880, 100);
    ui::tone(440, 30);
    QCOMPARE(ui::toneCount(), before + 2);
    QCOMPARE(ui::lastToneHertz(), 440);
    QCOMPARE(ui::lastToneMilliseconds(), 30);
    QTest::qWait(300);
}

QTEST_MAIN(TestTone)
#include "test_tone.moc"
