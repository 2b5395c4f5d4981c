#include "support/openwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QPointingDevice>
#include <QRadioButton>
#include <QtTest>

using app::Form1Window;

// What makes the window a good citizen of a Linux desktop: screen readers,
// the clipboard, touch screens and pens.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_window = OpenWindow();
        QVERIFY2(m_window, "the window was not exposed");
    }
    void cleanup() { m_window.reset(); }

    void everyButtonIsNamedByItsCaption()
    {
        // The lesson's step control stands only while the lesson is on, and
        // its arrows are named by what they do.
        const auto shown = [this] {
            QList<QAbstractButton*> buttons = m_window->findChildren<QAbstractButton*>();
            buttons.removeIf([](const QAbstractButton* button) { return !button->isVisible(); });
            return buttons;
        };
        QCOMPARE(shown().size(), 7);
        for (QAbstractButton* button : shown()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), button->text());
        }
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(m_window.get(), Qt::Key_S);
        QStringList names;
        for (QAbstractButton* button : shown())
            names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        QCOMPARE(names.size(), 10);
        for (const char* name : {"前へ", "次へ", "授業を終える"})
            QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    }

    // A frame named by the caption; in it the figure, a focusable graphic
    // whose description is what the class can read, told where a drag ends
    // rather than at every degree of it.
    void theFigureIsAGraphicDescribingTheLengthsInSight()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), m_window->windowTitle());
        QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(m_window->findChild<QWidget*>("Figure"));
        QCOMPARE(figure->role(), QAccessible::Graphic);
        QCOMPARE(figure->text(QAccessible::Name), QStringLiteral("直角三角形ABCと垂線AD"));
        QVERIFY(figure->state().focusable);
        const auto description = [figure] { return figure->text(QAccessible::Description); };
        QCOMPARE(description(), QStringLiteral("長さは表示されていません"));

        QTest::mouseClick(m_window->findChild<QAbstractButton*>("Check2"), Qt::LeftButton);
        QCOMPARE(description(), QStringLiteral("BC ５cm、AB 4cm、AC 3cm"));
        // Sixteen degrees towards C: A at 58 degrees.
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {500, 300});
        for (int i = 1; i <= 16; ++i)
            QTest::mouseMove(m_window.get(), {500 + i, 300});
        QCOMPARE(m_window->form().Controls().Label3[1].Caption(), std::string(" 4.4cm"));
        QCOMPARE(description(), QStringLiteral("BC ５cm、AB 4cm、AC 3cm"));
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {516, 300});
        QCOMPARE(description(), QStringLiteral("BC ５cm、AB 4.4cm、AC 2.4cm"));
    }

    // Toggle and Press from assistive technology act as clicks: each runs
    // its handler once, the option button already chosen included.
    void assistiveTechnologyWorksEveryButtonAsAClick()
    {
        const auto act = [this](const char* name, const QString& action) {
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(m_window->findChild<QAbstractButton*>(name));
            QCOMPARE(button->actionInterface()->actionNames().first(), action);
            button->actionInterface()->doAction(action);
        };
        const QString toggle = QAccessibleActionInterface::toggleAction();
        const app::Form1Controls& c = m_window->form().Controls();

        act("Check1", toggle);
        QVERIFY(!c.Line6[3].Visible);
        QCOMPARE(m_window->form().State().GridShown, 0);
        act("Check1", toggle);
        QVERIFY(c.Line6[3].Visible);
        act("Check3", toggle);
        QVERIFY(c.Label4[0].Visible);

        act("Option1_1", toggle);
        QVERIFY(c.Option1[1].Value && !c.Option1[0].Value);
        Drag(*m_window, Qt::LeftButton, {600, 100}, {{700, 100}});
        const QPoint onStroke = QPoint(650, 100) * m_window->devicePixelRatio();
        QCOMPARE(m_window->surfaceImage().pixelColor(onStroke), QColor(0, 0, 192));
        act("Option1_1", toggle); // already chosen: the memo goes all the same
        QCOMPARE(m_window->surfaceImage().pixelColor(onStroke), QColor(Qt::white));

        act("Option1_0", toggle);
        Drag(*m_window, Qt::LeftButton, {600, 300}, {{590, 300}});
        QCOMPARE(m_window->form().State().AngleA, 75);
        act("Command1", QAccessibleActionInterface::pressAction());
        QCOMPARE(m_window->form().State().AngleA, 74);
    }

    // The option buttons are one group the size of the panel; a press on the
    // panel beside them, routed as real input is, still starts a drag.
    void theOptionButtonsAreOneGroupOverThePanel()
    {
        QAccessibleInterface* group =
            QAccessible::queryAccessibleInterface(m_window->findChild<QRadioButton*>("Option1_0"))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->childCount(), 2);
        QCOMPARE(group->child(1)->text(QAccessible::Name), QStringLiteral("メモ書き"));
        QCOMPARE(group->rect(), QRect(m_window->mapToGlobal(QPoint(104, 8)), QSize(153, 57)));

        // A point is answered by what lies on top there.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
        const QPoint onReset = m_window->mapToGlobal(QPoint(50, 30));
        QCOMPARE(window->childAt(onReset.x(), onReset.y())->text(QAccessible::Name), QStringLiteral("初期画面"));
        const QPoint onFigure = m_window->mapToGlobal(QPoint(600, 300));
        QCOMPARE(window->childAt(onFigure.x(), onFigure.y())->role(), QAccessible::Graphic);

        QWindow* handle = m_window->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, {106, 36});
        QTest::mouseMove(handle, {100, 36});
        QTest::mouseRelease(handle, Qt::LeftButton, {}, {100, 36});
        QCOMPARE(m_window->form().State().AngleA, 75);
    }

    // Ctrl+C copies the client area as it looks and changes nothing at all.
    void ctrlCCopiesTheWindowAsItLooks()
    {
        ChooseMemo(*m_window);
        Drag(*m_window, Qt::LeftButton, {600, 100}, {{700, 100}});
        const QImage surfaceBefore = m_window->surfaceImage();
        const figure::FigureState stateBefore = m_window->form().State();
        QGuiApplication::clipboard()->clear();

        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);

        const QImage copied = QGuiApplication::clipboard()->image();
        const qreal ratio = m_window->devicePixelRatio();
        QCOMPARE(copied.size(), QSize(900, 541) * ratio);
        QCOMPARE(copied, m_window->grab().toImage().convertToFormat(copied.format()));
        QCOMPARE(copied.pixelColor(QPoint(650, 100) * ratio), QColor(0, 0, 192)); // the memo
        QCOMPARE(copied.pixelColor(QPoint(12, 45) * ratio), QColor(255, 255, 192)); // the button
        QCOMPARE(m_window->surfaceImage(), surfaceBefore);
        QCOMPARE(m_window->form().State().AngleA, stateBefore.AngleA);
        QCOMPARE(m_window->form().State().GridShown, stateBefore.GridShown);
    }

    // A finger or a pen acts through the mouse events the toolkit makes of
    // it: one degree, or one memo segment, per move.
    void aTouchDragActsAsAMouseDrag()
    {
        // The test owns the device it makes; nothing else deletes it.
        const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
        QPointingDevice* screen = device.get();
        QTest::touchEvent(m_window.get(), screen).press(0, {600, 300});
        for (int i = 1; i <= 5; ++i)
            QTest::touchEvent(m_window.get(), screen).move(0, {600 - 4 * i, 300});
        QTest::touchEvent(m_window.get(), screen).release(0, {580, 300});
        QCOMPARE(m_window->form().State().AngleA, 79);
        QCOMPARE(m_window->form().State().Dragging, 0);

        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_1"), Qt::LeftButton);
        QTest::touchEvent(m_window.get(), screen).press(0, {300, 80});
        QTest::touchEvent(m_window.get(), screen).move(0, {400, 80});
        QTest::touchEvent(m_window.get(), screen).release(0, {400, 80});
        QCOMPARE(m_window->surfaceImage().pixelColor(QPoint(350, 80) * m_window->devicePixelRatio()),
                 QColor(0, 0, 192));
        QCOMPARE(m_window->form().State().AngleA, 79);
    }

private:
    std::unique_ptr<Form1Window> m_window;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
