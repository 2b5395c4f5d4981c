#include "desktop/controls/repaintpacer.h"
#include "desktop/controls/surfaceimage.h"

#include "support/openwindow.h"

#include <QtTest>

using app::Form1Window;

// The window at the scale factor this run was started with (QT_SCALE_FACTOR):
// the same logical client area, lines as wide in logical pixels and crisp at
// whole factors, the surface and the text at the device's own resolution.
class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAtTheDevicesResolution()
    {
        const std::unique_ptr<Form1Window> opened = OpenWindow();
        QVERIFY2(opened, "the window was not exposed");
        Form1Window& window = *opened;
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
        // Every grid line across that row is as wide as every other.
        QList<int> widths;
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = image.pixelColor(x, row) == grey ? run + 1 : 0;
            if (run && (x + 1 == image.width() || image.pixelColor(x + 1, row) != grey))
                widths << run;
        }
        QVERIFY(widths.size() >= 10);
        QCOMPARE(widths.count(widths.first()), widths.size());

        // A memo stroke is as sharp as the lines: drawn into the surface at
        // the device's resolution, 5 logical pixels wide.
        ChooseMemo(window);
        Drag(window, Qt::LeftButton, {600, 100}, {{700, 100}});
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

    // Moved between screens of other densities, from a fractional one too,
    // the surface keeps its strokes, redrawn at each new density.
    void theSurfaceKeepsItsStrokesWhenTheRatioChanges()
    {
        QWidget window;
        qtcontrols::RepaintPacer pacer(window);
        qtcontrols::SurfaceImage surface(window, pacer);
        surface.SetPens(controls::Color{0xFFFFFF}, controls::Color{0xC00000}, 5); // white, dark blue
        const QSize area(900, 541);
        surface.Resize(area, 1.25);
        QCOMPARE(surface.Image().size(), QSize(1125, 676));
        surface.Line(600, 100, 700, 100);
        for (const qreal ratio : {1.0, 1.5}) {
            surface.Resize(area, ratio);
            QCOMPARE(surface.Image().size(), (QSizeF(area) * ratio).toSize());
            QCOMPARE(surface.Image().devicePixelRatio(), ratio);
            // The stroke's core, at least three device rows along its
            // length, still in the memo colour; the smoothing blends its edges.
            const QRect stroke = QRectF(610 * ratio, 90 * ratio, 80 * ratio, 20 * ratio).toRect();
            const int core = CountMemoPixels(surface.Image(), stroke);
            QVERIFY2(core >= 3 * stroke.width(), qPrintable(QStringLiteral("%1 at %2").arg(core).arg(ratio)));
        }
        // A new client area is a new blank surface.
        surface.Resize(QSize(1000, 600), 1.25);
        QCOMPARE(CountMemoPixels(surface.Image(), surface.Image().rect()), 0);
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
