// The transition frames on pictures of a few pixels: the blend's integer
// formula applied frame after frame, the wipes' edges, and frame counts.

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
};

QTEST_GUILESS_MAIN(tst_Transitions)
#include "tst_Transitions.moc"
