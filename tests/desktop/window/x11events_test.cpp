#include "support/openwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

// Counts the events of one type that the window handles.
class EventCount : public QObject {
public:
    explicit EventCount(QEvent::Type type) : m_type(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += event->type() == m_type;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
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
        EventCount releases(QEvent::MouseButtonRelease);
        window.installEventFilter(&releases);

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

        QTRY_VERIFY_WITH_TIMEOUT(releases.count > 0, DeadlineMs);
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
        EventCount paints(QEvent::Paint);
        window->installEventFilter(&paints);
        // Each move is painted before the next comes, as when a hand moves
        // the mouse: every move's rectangles are a repaint of their own.
        const auto drag = [&](QPoint from, const QList<QPoint>& path) {
            QTest::mousePress(window.get(), Qt::LeftButton, {}, from);
            for (const QPoint& to : path) {
                const int painted = paints.count;
                QTest::mouseMove(window.get(), to);
                QTRY_VERIFY_WITH_TIMEOUT(paints.count > painted, DeadlineMs);
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

        // The pixels that differ, polled until the last repaint reaches the screen.
        const auto differing = [&] {
            const QImage full = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage shown = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            if (shown.size() != full.size())
                return -1;
            int count = 0;
            for (int y = 0; y < full.height(); ++y) {
                for (int x = 0; x < full.width(); ++x)
                    count += full.pixel(x, y) != shown.pixel(x, y);
            }
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(differing(), 0, DeadlineMs);
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
