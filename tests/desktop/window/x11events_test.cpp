#include "desktop/application.h"
#include "desktop/form1window.h"

#include "support/deadline.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
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
        app::Form1Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));
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
};

int main(int argc, char** argv)
{
    app::PrepareToolkit();
    QApplication application(argc, argv);
    app::ConfigureApplication();
    X11EventsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11events_test.moc"
