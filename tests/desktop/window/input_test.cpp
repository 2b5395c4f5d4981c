#include "support/finitecontrols.h"
#include "support/openwindow.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <memory>

using app::Form1Window;

class InputTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_window = OpenWindow();
        QVERIFY2(m_window, "the window was not exposed");
    }
    void cleanup() { m_window.reset(); }

    void dragsTurnAWithAnyButton_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void dragsTurnAWithAnyButton()
    {
        QFETCH(Qt::MouseButton, button);
        const auto angle = [this] { return m_window->form().State().AngleA; };
        const float startX = m_window->form().Controls().Line1[3].X1;

        Drag(*m_window, button, {600, 300}, {{590, 300}, {580, 300}, {579, 280}});
        QCOMPARE(angle(), 77);
        QVERIFY(m_window->form().Controls().Line1[3].X1 < startX);
        Drag(*m_window, button, {600, 300}, {{610, 300}});
        QCOMPARE(angle(), 76);
        Drag(*m_window, button, {600, 300}, {{600, 320}, {600, 340}});
        QCOMPARE(angle(), 74);
        Drag(*m_window, button, {600, 300}, QList<QPoint>(30, {600, 300})); // no moves (the first once was one)
        QCOMPARE(angle(), 74);
        QCOMPARE(m_window->form().State().Dragging, 0);
    }

    void aPressOnALabelIsTheLabelsAndOnALineTheWindows()
    {
        const controls::Label& letterB = m_window->form().Controls().Label1[1];
        const QPoint onB(qRound(letterB.Left) + 5, qRound(letterB.Top) + 10);
        Drag(*m_window, Qt::LeftButton, onB, {onB - QPoint(10, 0), onB - QPoint(20, 0)});
        QCOMPARE(m_window->form().State().AngleA, 74);

        // The side BC and the teal panel pass presses to the window.
        const int bcY = qRound(m_window->form().State().By);
        Drag(*m_window, Qt::LeftButton, {300, bcY}, {{290, bcY}});
        QCOMPARE(m_window->form().State().AngleA, 75);
        Drag(*m_window, Qt::LeftButton, {106, 36}, {{100, 36}});
        QCOMPARE(m_window->form().State().AngleA, 76);
    }

    // A finger held still on the figure opens its menu, whose first entry
    // starts the lesson; the press moved nothing, and moves nothing after.
    void aFingerHeldStillOpensTheFiguresMenu()
    {
        const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
        QPointingDevice* screen = device.get();
        QTest::touchEvent(m_window.get(), screen).press(0, {600, 300});
        QMenu* menu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((menu = m_window->findChild<QMenu*>(QStringLiteral("figureMenu"))) && menu->isVisible(),
                                 DeadlineMs);
        QTest::touchEvent(m_window.get(), screen).move(0, {580, 300});
        QTest::touchEvent(m_window.get(), screen).release(0, {580, 300});
        QCOMPARE(m_window->form().State().AngleA, 74);
        menu->actions().constFirst()->trigger();
        QCOMPARE(m_window->form().LessonStep(), 1);
    }

    void memoStrokesFollowThePointerAndVanishOnEitherOptionButton()
    {
        ChooseMemo(*m_window);
        Drag(*m_window, Qt::LeftButton, {300, 100}, {{400, 100}, {400, 200}});
        QCOMPARE(m_window->form().State().AngleA, 74);
        QVERIFY(CountMemoPixels(*m_window, QRect(310, 98, 80, 5)) > 200);
        QVERIFY(CountMemoPixels(*m_window, QRect(398, 110, 5, 80)) > 200);
        QCOMPARE(CountMemoPixels(*m_window, QRect(300, 110, 80, 80)), 0);
        // The surface lies beneath the figure and shows in the window.
        QCOMPARE(m_window->grab(QRect(350, 100, 1, 1)).toImage().pixelColor(0, 0), MemoBlue);

        ChooseMemo(*m_window);
        QCOMPARE(CountMemoPixels(*m_window, m_window->rect()), 0);

        Drag(*m_window, Qt::LeftButton, {300, 100}, {{400, 100}});
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_0"), Qt::LeftButton);
        QCOMPARE(CountMemoPixels(*m_window, m_window->rect()), 0);
    }

    void memoStrokesStayThroughAResetButNotAResize()
    {
        ChooseMemo(*m_window);
        Drag(*m_window, Qt::LeftButton, {300, 100}, {{400, 100}});
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(CountMemoPixels(*m_window, QRect(300, 95, 100, 10)) > 200);

        m_window->resize(1000, 600);
        QCOMPARE(CountMemoPixels(*m_window, m_window->rect()), 0);
        QCOMPARE(m_window->surfaceImage().size(), QSize(1000, 600) * m_window->devicePixelRatio());
        QCOMPARE(m_window->form().State().GridUnit, 60.0f);
        QCOMPARE(m_window->form().Controls().Line1[0].Y1, 480.0f);
    }

    void theGridBoxGoesByItsFlagAfterAReset()
    {
        auto* grid = m_window->findChild<QCheckBox*>("Check1");
        const controls::Line& line = m_window->form().Controls().Line6[3];
        QTest::mouseClick(grid, Qt::LeftButton);
        QVERIFY(!grid->isChecked());
        QVERIFY(!line.Visible);

        QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(line.Visible);
        QVERIFY(!grid->isChecked());
        QCOMPARE(m_window->form().State().GridShown, 0);

        QTest::mouseClick(grid, Qt::LeftButton);
        QVERIFY(grid->isChecked());
        QVERIFY(line.Visible);
        QCOMPARE(m_window->form().State().GridShown, 1);

        QTest::mouseClick(grid, Qt::LeftButton);
        QVERIFY(!grid->isChecked());
        QVERIFY(!line.Visible);
        // Hidden lines are gone from the screen too.
        QCOMPARE(m_window->grab(QRect(qRound(line.X1), 300, 1, 1)).toImage().pixelColor(0, 0), QColor(Qt::white));
    }

    // Moves far faster than a screen shows are painted together, once per
    // frame; none of them may be lost: once input stops, the screen shows the
    // figure where the last move left it.
    void aBurstOfMovesEndsPaintedOnScreen()
    {
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 300});
        for (int i = 1; i <= 60; ++i)
            QTest::mouseMove(m_window.get(), {600 - i, 300});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {540, 300});
        QCOMPARE(m_window->form().State().AngleA, 134);

        const auto onScreen = [this] {
            return m_window->screen()->grabWindow(m_window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage expected = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QTRY_VERIFY_WITH_TIMEOUT(onScreen() == expected, DeadlineMs);
    }

    void aResetDuringADragEndsIt()
    {
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 300});
        QTest::mouseMove(m_window.get(), {590, 300});
        QCOMPARE(m_window->form().State().AngleA, 75);
        m_window->findChild<QPushButton*>("Command1")->click();
        QTest::mouseMove(m_window.get(), {580, 300});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {580, 300});
        QCOMPARE(m_window->form().State().AngleA, 74);
    }

    void minimizingAndRestoringRebuildTheFigure()
    {
        const double ax = m_window->form().State().Ax;
        m_window->showMinimized();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->form().State().GridUnit, 0.0f, DeadlineMs);
        m_window->showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->form().State().GridUnit, 54.1f, DeadlineMs);
        QCOMPARE(m_window->form().State().Ax, ax);
    }

    // A very large, a very narrow and a one-pixel client area, and a long drag
    // through B and C and all the way round: the program goes on, and no
    // control holds a coordinate that is not finite.
    void extremeSizesAndLongDragsLeaveEverythingFinite()
    {
        for (const QSize size : {QSize(8000, 6000), QSize(40, 900), QSize(1, 1), QSize(900, 541)}) {
            m_window->resize(size);
            QCOMPARE(m_window->surfaceImage().size(), size * m_window->devicePixelRatio());
            QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {0, 0});
            for (int i = 0; i < 2000; ++i)
                QTest::mouseMove(m_window.get(), {i % 2 ? 10 : 0, i % 7});
            QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {0, 0});
            QVERIFY(AllCoordinatesFinite(m_window->form().Controls()));
        }
        // Twenty thousand moves to the left, far beyond the window: A goes
        // round the circle dozens of times and AngleA keeps counting.
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 300});
        for (int i = 1; i <= 20000; ++i)
            QTest::mouseMove(m_window.get(), {600 - i, 300});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {600, 300});
        // 75 + 20000: the drag above ended at 75, its first report, at the press, being no move.
        QCOMPARE(m_window->form().State().AngleA, 75 + 20000);
        QVERIFY(AllCoordinatesFinite(m_window->form().Controls()));
        QTest::mouseClick(m_window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(m_window->form().State().AngleA, 74);
    }

private:
    std::unique_ptr<Form1Window> m_window;
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
