#include "support/openwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

// Notes when the window has handled a release of the mouse: the end of a drag.
class ReleaseWatch : public QObject {
public:
    bool released = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        released = released || event->type() == QEvent::MouseButtonRelease;
        return QObject::eventFilter(watched, event);
    }
};

// Counts the window's paint events.
class PaintWatch : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The window on a real X server: every mouse move of a burst counts, also
// when all of them wait in the queue at once, as they do while the program
// is busy. The X11 platform merges queued moves unless told not to, and
// turns that on as it loads, so the window must turn it off again.
class X11EventsTest : public QObject {
    Q_OBJECT

private slots:
    void aBurstOfQueuedMovesTurnsAOneDegreeEach()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        const std::unique_ptr<app::Form1Window> opened = OpenWindow();
        QVERIFY2(opened, "the window was not exposed");
        app::Form1Window& window = *opened;
        ReleaseWatch watch;
        window.installEventFilter(&watch);

        // xdotool runs to its end while this thread waits for it, so every
        // event of the drag is queued before the window handles the first.
        constexpr int moves = 30;
        QStringList drag{QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window.winId()),
                         QStringLiteral("650"), QStringLiteral("300"), QStringLiteral("mousedown"), QStringLiteral("1")};
        for (int i = 1; i <= moves; ++i)
            drag << QStringLiteral("mousemove") << QStringLiteral("--window") << QString::number(window.winId())
                 << QString::number(650 - 3 * i) << QStringLiteral("300");
        drag << QStringLiteral("mouseup") << QStringLiteral("1");
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), drag), 0);

        QTRY_VERIFY_WITH_TIMEOUT(watch.released, DeadlineMs);
        QCOMPARE(window.form().State().AngleA, 74 + moves);
    }

    // What the X server shows after the window repainted only what changed,
    // move by move, is what one repaint of the whole window gives, also at a
    // fractional scale (QT_SCALE_FACTOR), where a logical pixel covers parts
    // of device pixels: the figure dragged, a memo stroke across it, and the
    // figure put back over the memo.
    void theScreenAfterPartialRepaintsIsAFullRepaint()
    {
        const std::unique_ptr<app::Form1Window> window = OpenWindow();
        QVERIFY2(window, "the window was not exposed");
        PaintWatch watch;
        window->installEventFilter(&watch);
        // Each move is painted before the next comes, as when a hand moves
        // the mouse: every move's rectangles are a repaint of their own.
        const auto drag = [&](QPoint from, const QList<QPoint>& path) {
            QTest::mousePress(window.get(), Qt::LeftButton, {}, from);
            for (const QPoint& to : path) {
                const int paints = watch.paints;
                QTest::mouseMove(window.get(), to);
                QTRY_VERIFY_WITH_TIMEOUT(watch.paints > paints, DeadlineMs);
            }
            QTest::mouseRelease(window.get(), Qt::LeftButton, {}, path.last());
        };
        QList<QPoint> path;
        for (int i = 1; i <= 20; ++i)
            path << QPoint(650 - 3 * i, 300);
        drag({650, 300}, path);
        QCOMPARE(window->form().State().AngleA, 94);
        ChooseMemo(*window);
        path.clear();
        for (int i = 1; i <= 160; ++i)
            path << QPoint(250 + 3 * i, 120 + (i * 37) % 300);
        drag({250, 120}, path);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(window->form().State().AngleA, 74);

        int differing = -1;
        const auto screenIsFullRepaint = [&] {
            const QImage full = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage shown = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            differing = full.width() * full.height();
            if (shown.size() != full.size())
                return false;
            differing = 0;
            for (int y = 0; y < full.height(); ++y) {
                const auto* a = reinterpret_cast<const QRgb*>(full.constScanLine(y));
                const auto* b = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
                for (int x = 0; x < full.width(); ++x)
                    differing += (a[x] & 0xFFFFFF) != (b[x] & 0xFFFFFF);
            }
            return differing == 0;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(screenIsFullRepaint(), qPrintable(QStringLiteral(
            "the screen to show what a full repaint gives; %1 pixels differ at a scale of %2")
            .arg(differing).arg(window->devicePixelRatio())), DeadlineMs);
    }
};

int main(int argc, char** argv)
{
    app::PrepareToolkit();
    QApplication application(argc, argv);
    X11EventsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11events_test.moc"
