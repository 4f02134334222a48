// The transition frames on pictures of a few pixels: the blend's integer
// formula applied frame after frame, the wipes' edges, and frame counts.

#include "SlideTransition.h"
#include "TransitionFrames.h"

#include <QTest>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class tst_Transitions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepsEndAtAHundred()
    {
        QCOMPARE(TransitionFrames::progressSteps(5).size(), 20);
        QCOMPARE(TransitionFrames::progressSteps(4).size(), 25);
        const QList<int> threes = TransitionFrames::progressSteps(3);
        QCOMPARE(threes.size(), 34);
        QCOMPARE(threes[32], 99);
        QCOMPARE(threes.last(), 100);
    }

    void theBlendDividesEachProductOnItsOwn()
    {
        // 1 x 50 / 100 + 1 x 50 / 100 is 0 + 0, where one division would
        // give 1; 255 x 50 / 100 drops its half.
        // Five pixels: four go through the wide path, one through the other.
        QImage shown = filled({5, 1}, qRgb(1, 200, 255));
        TransitionFrames::blend(shown, filled({5, 1}, qRgb(1, 0, 0)), 50);
        for (int x = 0; x < 5; ++x)
            QCOMPARE(shown.pixel(x, 0), qRgb(0, 100, 127));
        // Every value and progress against the formula itself.
        for (const int a : {1, 33, 50, 99}) {
            QImage s(256, 1, QImage::Format_RGB32);
            QImage n(256, 1, QImage::Format_RGB32);
            for (int v = 0; v < 256; ++v) {
                s.setPixel(v, 0, qRgb(v, 255 - v, v / 2));
                n.setPixel(v, 0, qRgb(255 - v, v, 200));
            }
            const QImage before = s;
            TransitionFrames::blend(s, n, a);
            for (int v = 0; v < 256; ++v) {
                const auto mix = [a](int s, int n) { return s * (100 - a) / 100 + n * a / 100; };
                const QRgb b = before.pixel(v, 0);
                const QRgb m = n.pixel(v, 0);
                QCOMPARE(s.pixel(v, 0),
                    qRgb(
                        mix(qRed(b), qRed(m)), mix(qGreen(b), qGreen(m)), mix(qBlue(b), qBlue(m))));
            }
        }
    }

    void theBlendWorksOnWhatIsAlreadyShown()
    {
        // After 50 the picture is 50; 60 then mixes 50 and 100, not 0 and
        // 100: 50 x 40 / 100 + 100 x 60 / 100 = 80.
        QImage shown = filled({1, 1}, qRgb(0, 0, 0));
        const QImage next = filled({1, 1}, qRgb(100, 100, 100));
        QImage frame = TransitionFrames::frame(TransitionFrames::AlphaBlend, shown, next, 50);
        QCOMPARE(qRed(frame.pixel(0, 0)), 50);
        frame = TransitionFrames::frame(TransitionFrames::AlphaBlend, shown, next, 60);
        QCOMPARE(qRed(frame.pixel(0, 0)), 80);
        frame = TransitionFrames::frame(TransitionFrames::AlphaBlend, shown, next, 100);
        QCOMPARE(frame.pixel(0, 0), qRgb(100, 100, 100));
    }

    void wipesSlideInFromTheLeftAndFromTheTop()
    {
        QImage shown = filled({8, 4}, qRgb(0, 0, 0));
        const QImage next = filled({8, 4}, qRgb(255, 255, 255));
        // At 25% the new picture's right edge is at x = 2.
        QImage frame = TransitionFrames::frame(TransitionFrames::HorizontalWipe, shown, next, 25);
        QCOMPARE(frame.pixel(1, 3), qRgb(255, 255, 255));
        QCOMPARE(frame.pixel(2, 0), qRgb(0, 0, 0));
        // Its bottom edge at y = 3 at 75%.
        frame = TransitionFrames::frame(TransitionFrames::VerticalWipe, shown, next, 75);
        QCOMPARE(frame.pixel(7, 2), qRgb(255, 255, 255));
        QCOMPARE(frame.pixel(0, 3), qRgb(0, 0, 0));
        // A wipe leaves the shown picture as it was.
        QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 0));
    }

    void theNewPictureSlidesInRatherThanBeingUncovered()
    {
        // Columns (rows) of the new picture numbered by their grey level:
        // sliding in, the part seen at 25 % is the picture's far end.
        QImage across(8, 4, QImage::Format_RGB32);
        QImage down(4, 8, QImage::Format_RGB32);
        for (int i = 0; i < 8; ++i) {
            for (int j = 0; j < 4; ++j) {
                across.setPixel(i, j, qRgb(i * 30, i * 30, i * 30));
                down.setPixel(j, i, qRgb(i * 30, i * 30, i * 30));
            }
        }
        QImage shown = filled({8, 4}, qRgb(0, 0, 200));
        QImage frame = TransitionFrames::frame(TransitionFrames::HorizontalWipe, shown, across, 25);
        QCOMPARE(frame.pixel(0, 1), across.pixel(6, 1));
        QCOMPARE(frame.pixel(1, 1), across.pixel(7, 1));
        QCOMPARE(frame.pixel(2, 1), qRgb(0, 0, 200));
        shown = filled({4, 8}, qRgb(0, 0, 200));
        frame = TransitionFrames::frame(TransitionFrames::VerticalWipe, shown, down, 25);
        QCOMPARE(frame.pixel(2, 0), down.pixel(2, 6));
        QCOMPARE(frame.pixel(2, 1), down.pixel(2, 7));
        QCOMPARE(frame.pixel(2, 2), qRgb(0, 0, 200));
    }

    void everyTransitionStartsFromItsFirstFrame()
    {
        for (const int style : {TransitionFrames::AlphaBlend, TransitionFrames::HorizontalWipe,
                 TransitionFrames::VerticalWipe}) {
            SlideTransition t;
            t.setStyle(style);
            t.setStep(25);
            t.setPicture(filled({8, 8}, qRgb(200, 0, 0)));
            QVERIFY(t.start());
            while (t.tick()) { }
            // The second picture goes through the same frames as the first.
            t.setPicture(filled({8, 8}, qRgb(0, 200, 0)));
            QVERIFY(t.start());
            QCOMPARE(t.frames(), 0);
            QCOMPARE(t.frame().pixel(7, 7), qRgb(200, 0, 0));
            QVERIFY(t.tick());
            QCOMPARE(t.frame().pixel(7, 7),
                style == TransitionFrames::AlphaBlend ? qRgb(150, 50, 0) : qRgb(200, 0, 0));
            // 25, 50 and 75 % drawn, then the new picture whole.
            int frames = 1;
            while (t.tick())
                ++frames;
            QCOMPARE(frames, 3);
            QCOMPARE(t.frame().pixel(7, 7), qRgb(0, 200, 0));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Transitions)
#include "tst_Transitions.moc"
