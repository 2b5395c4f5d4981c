#include "desktop/application.h"
#include "desktop/form1window.h"

#include "support/deadline.h"

#include <QRadioButton>
#include <QtTest>

using app::Form1Window;

// The window at the scale factor this run was started with (QT_SCALE_FACTOR):
// the same logical client area, lines as wide in logical pixels and crisp at
// whole factors, the surface and the text at the device's own resolution.
class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ConfigureApplication(); }

    void drawsAtTheDevicesResolution()
    {
        Form1Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));
        const qreal ratio = window.devicePixelRatio();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        QCOMPARE(window.size(), QSize(900, 541));

        const QImage image = window.grab().toImage();
        QCOMPARE(image.size(), (QSizeF(900, 541) * ratio).toSize());
        QCOMPARE(window.surfaceImage().devicePixelRatio(), ratio);

        // The middle grid line at x = 450, one logical pixel wide, on a row
        // with nothing else on it.
        const int row = int(20 * ratio);
        const QColor grey(192, 192, 192);
        int greyColumns = 0;
        for (int x = int(440 * ratio); x < int(460 * ratio); ++x)
            greyColumns += image.pixelColor(x, row) == grey;
        if (ratio == std::floor(ratio)) {
            QCOMPARE(greyColumns, int(ratio));
            QCOMPARE(image.pixelColor(int(450 * ratio), row), grey);
        } else {
            QVERIFY(greyColumns >= 1 && greyColumns <= int(std::ceil(ratio)));
        }

        // A memo stroke is as sharp as the lines: drawn into the surface at
        // the device's resolution, 5 logical pixels wide.
        window.findChild<QRadioButton*>(QStringLiteral("Option1_1"))->click();
        QTest::mousePress(&window, Qt::LeftButton, {}, {600, 100});
        QTest::mouseMove(&window, {700, 100});
        QTest::mouseRelease(&window, Qt::LeftButton, {}, {700, 100});
        const QImage& surface = window.surfaceImage();
        int strokeRows = 0;
        for (int y = int(90 * ratio); y < int(110 * ratio); ++y)
            strokeRows += surface.pixelColor(int(650 * ratio), y) == QColor(0, 0, 192);
        QVERIFY2(std::abs(strokeRows - 5 * ratio) <= 1, qPrintable(QString::number(strokeRows)));

        // Text is rendered at the device's resolution, not enlarged: at a
        // factor of 2 some 2 x 2 blocks of the letter A are not of one colour.
        if (ratio == 2) {
            const app::Form1Controls& c = window.form().Controls();
            const QRect letter = QRectF(c.Label1[0].Left * ratio, c.Label1[0].Top * ratio,
                                        c.Label1[0].Width() * ratio, c.Label1[0].Height() * ratio).toRect();
            int mixedBlocks = 0;
            for (int y = letter.top() & ~1; y < letter.bottom(); y += 2) {
                for (int x = letter.left() & ~1; x < letter.right(); x += 2) {
                    const QRgb p = image.pixel(x, y);
                    mixedBlocks += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1);
                }
            }
            QVERIFY(mixedBlocks > 10);
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
