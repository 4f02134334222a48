// Icons looked up when first shown: the same pictures as the style's own,
// looked up once for all copies, and nothing looked up before then.

#include "DeferredIconEngine.h"
#include "DeferredIconStyle.h"

#include <QApplication>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

bool samePixels(const QIcon &a, const QIcon &b, int size)
{
    return a.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32)
        == b.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestDeferredIcons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Nothing is made until the icon is drawn, measured or asked for a
    // picture; then once, whichever copy asks.
    void looksUpOnceWhenFirstShown()
    {
        int made = 0;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QIcon icon(new DeferredIconEngine([&made, red] {
            ++made;
            return QIcon(QPixmap::fromImage(red));
        }));
        QToolButton button;
        button.setIcon(icon);
        const QIcon copy = icon; // a copy keeps the same engine
        QIcon detached = icon;
        detached.detach(); // QIcon's own clone of the engine
        QVERIFY(!icon.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(made, 1);
        QCOMPARE(detached.pixmap(16, 16).toImage().pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(icon.actualSize(QSize(32, 32)), QSize(16, 16));
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(made, 1);
    }

    // The style's icons come out as the wrapped style draws them, with and
    // without a plain option (the tool bar passes one for its direction),
    // and a derived option still reaches the wrapped style.
    void styleIconsAreTheWrappedStylesPictures()
    {
        auto *style = new DeferredIconStyle(u"Fusion"_s);
        QStyle *base = style->baseStyle();
        for (const auto icon : {QStyle::SP_MediaPlay, QStyle::SP_DirIcon,
                 QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ArrowBack}) {
            QVERIFY(samePixels(style->standardIcon(icon), base->standardIcon(icon), 16));
            QStyleOption plain;
            plain.direction = Qt::RightToLeft;
            QVERIFY(samePixels(
                style->standardIcon(icon, &plain), base->standardIcon(icon, &plain), 16));
            QStyleOptionButton derived;
            QVERIFY(samePixels(
                style->standardIcon(icon, &derived), base->standardIcon(icon, &derived), 32));
        }
        // The direction a plain option carries is kept: a right-to-left back
        // arrow points the other way.
        QStyleOption rightToLeft;
        rightToLeft.direction = Qt::RightToLeft;
        QVERIFY(!samePixels(style->standardIcon(QStyle::SP_ArrowBack, &rightToLeft),
            base->standardIcon(QStyle::SP_ArrowBack), 16));
        delete style;
    }

    // A theme name the desktop does not know falls back to the given icon.
    void themeIconFallsBack()
    {
        QImage blue(8, 8, QImage::Format_ARGB32);
        blue.fill(Qt::blue);
        const QIcon icon = DeferredIconEngine::fromTheme(
            u"quillan-no-such-icon"_s, [blue] { return QIcon(QPixmap::fromImage(blue)); });
        QCOMPARE(icon.pixmap(8, 8).toImage().pixelColor(4, 4), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestDeferredIcons)
#include "tst_DeferredIcons.moc"
