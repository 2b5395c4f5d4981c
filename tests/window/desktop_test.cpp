#include "app/application.h"
#include "app/form1window.h"

#include "support/deadline.h"

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
    void initTestCase() { app::ConfigureApplication(); }

    void init()
    {
        m_window = std::make_unique<Form1Window>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get(), DeadlineMs));
    }
    void cleanup() { m_window.reset(); }

    void everyButtonIsNamedByItsCaption()
    {
        const QList<QAbstractButton*> buttons = m_window->findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 7);
        for (QAbstractButton* button : buttons) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), button->text());
        }
    }

    void theFigureDescribesTheLengthsAsAMoves()
    {
        QAccessibleInterface* figure = QAccessible::queryAccessibleInterface(m_window.get());
        QVERIFY(!figure->text(QAccessible::Name).isEmpty());
        QCOMPARE(figure->text(QAccessible::Description), QStringLiteral("AB 4cm, AC 3cm, AD 2.4cm, BD 3.2cm"));

        // Sixteen degrees towards C: A at 58 degrees.
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {500, 300});
        for (int i = 1; i <= 16; ++i)
            QTest::mouseMove(m_window.get(), {500 + i, 300});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {516, 300});
        const app::Form1Controls& c = m_window->form().Controls();
        const QString expected = QStringLiteral("AB %1, AC %2, AD %3, BD %4")
                                     .arg(QString::fromStdString(c.Label3[1].Caption()).trimmed(),
                                          QString::fromStdString(c.Label3[2].Caption()).trimmed(),
                                          QString::fromStdString(c.Label4[0].Caption()).trimmed(),
                                          QString::fromStdString(c.Label4[1].Caption()).trimmed());
        QCOMPARE(figure->text(QAccessible::Description), expected);
        QVERIFY(expected != QStringLiteral("AB 4cm, AC 3cm, AD 2.4cm, BD 3.2cm"));
    }

    // Ctrl+C copies the client area as it looks and changes nothing at all.
    void ctrlCCopiesTheWindowAsItLooks()
    {
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_1"), Qt::LeftButton);
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 100});
        QTest::mouseMove(m_window.get(), {700, 100});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {700, 100});
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
