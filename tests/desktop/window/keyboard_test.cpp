#include "desktop/application.h"
#include "desktop/form1window.h"
#include "form/readoutsummary.h"

#include "support/deadline.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using app::Form1Window;

// The window worked from the keyboard alone, with real key events through
// the window, as a keyboard or a presenter remote sends them.
class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ConfigureApplication(); }

    void init()
    {
        m_window = std::make_unique<Form1Window>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get(), DeadlineMs));
        m_figure = m_window->findChild<QWidget*>("Figure");
        QVERIFY(m_figure);
    }
    void cleanup() { m_window.reset(); }

    // The window opens with the reset button focused, as it always has.
    void theFigureTakesTheFocusAfterTheCheckBoxes()
    {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        m_window->findChild<QCheckBox*>("Check4")->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_figure);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        // One step back from the first button: a remote's user needs no more.
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), m_figure);
    }

    // The frame lies on blank surface only: every pixel it changes is white
    // without it, and the lines cross it as before. It goes with the focus,
    // and a copy for a worksheet never shows it.
    void theFocusFrameShowsOnlyWhileTheFigureHasFocus()
    {
        const QColor white(Qt::white);
        const QColor highlight = m_figure->palette().color(QPalette::Highlight);
        QCOMPARE(picture().pixelColor(1, 300), white);
        m_figure->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE_WITH_TIMEOUT(picture().pixelColor(1, 300), highlight, DeadlineMs);
        const QImage framed = picture();

        QGuiApplication::clipboard()->clear();
        key(Qt::Key_C, Qt::ControlModifier);
        const QImage copy = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copy.size(), framed.size());
        int framePixels = 0;
        for (int y = 0; y < copy.height(); ++y) {
            for (int x = 0; x < copy.width(); ++x) {
                if (copy.pixel(x, y) == framed.pixel(x, y))
                    continue;
                const QString at = QString("%1,%2").arg(x).arg(y);
                QVERIFY2(copy.pixelColor(x, y) == white, qPrintable(at));
                QVERIFY2(x < 3 || y < 3 || x >= copy.width() - 3 || y >= copy.height() - 3, qPrintable(at));
                ++framePixels;
            }
        }
        QVERIFY(framePixels > 2 * (900 + 541));
        QCOMPARE(framed.pixelColor(300, 0), QColor(192, 192, 192)); // the top grid line
        QCOMPARE(framed.pixelColor(450, 1), QColor(192, 192, 192)); // the middle one

        m_window->findChild<QCheckBox*>("Check1")->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(picture().pixelColor(1, 300), white, DeadlineMs);

        // A press gives the figure the focus unframed; a key then frames it.
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, {600, 300});
        QCOMPARE(QApplication::focusWidget(), m_figure);
        QCOMPARE(picture().pixelColor(1, 300), white);
        key(Qt::Key_Left);
        QTRY_COMPARE_WITH_TIMEOUT(picture().pixelColor(1, 300), highlight, DeadlineMs);
    }

    void keysTurnAWhileTheFigureHasFocus()
    {
        m_figure->setFocus();
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Left);
        QCOMPARE(angle(), 77);
        key(Qt::Key_PageDown);
        key(Qt::Key_Right);
        key(Qt::Key_PageUp);
        QCOMPARE(angle(), 76);
        key(Qt::Key_Left, Qt::ShiftModifier);
        key(Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(angle(), 96);
        key(Qt::Key_Left, Qt::KeypadModifier); // the keypad's arrow
        QCOMPARE(angle(), 97);
        key(Qt::Key_Home);
        QCOMPARE(angle(), 74);

        // With the focus elsewhere the same keys do not reach the figure.
        m_window->findChild<QCheckBox*>("Check2")->setFocus();
        key(Qt::Key_Left);
        key(Qt::Key_Home);
        QCOMPARE(angle(), 74);
        // But a presenter remote's Page Down is the figure's wherever the
        // focus is, and leaves it there.
        QWidget* focused = QApplication::focusWidget();
        key(Qt::Key_PageDown);
        QCOMPARE(angle(), 73);
        QCOMPARE(QApplication::focusWidget(), focused);
        // A key the figure declines goes on through the window, unaccepted.
        QKeyEvent declined(QEvent::KeyPress, Qt::Key_Left, Qt::ControlModifier);
        QApplication::sendEvent(m_figure, &declined);
        QVERIFY(!declined.isAccepted());
        QCOMPARE(angle(), 73);
    }

    // A held key repeats at the keyboard's rate, one step per repeat, and
    // the description a screen reader speaks follows once the key is up.
    void aHeldKeyStepsAtEveryRepeatAndIsDescribedWhenReleased()
    {
        QTest::mouseClick(m_window->findChild<QCheckBox*>("Check2"), Qt::LeftButton);
        const QString before = m_figure->accessibleDescription();
        m_figure->setFocus();
        QWindow* window = m_window->windowHandle();
        QTest::simulateEvent(window, true, Qt::Key_Right, {}, QString(), false);
        const QString afterFirst = m_figure->accessibleDescription();
        for (int i = 0; i < 29; ++i)
            QTest::simulateEvent(window, true, Qt::Key_Right, {}, QString(), true);
        QCOMPARE(angle(), 44);
        QCOMPARE(m_figure->accessibleDescription(), afterFirst);
        QTest::simulateEvent(window, false, Qt::Key_Right, {}, QString(), false);
        QVERIFY(m_figure->accessibleDescription() != afterFirst);
        QVERIFY(before != m_figure->accessibleDescription());

        // Page Down held on a button and released in another window: the
        // repeat ends there too, and the next change is described.
        m_window->findChild<QPushButton*>("Command1")->setFocus();
        QTest::simulateEvent(window, true, Qt::Key_PageDown, {}, QString(), false);
        QTest::simulateEvent(window, true, Qt::Key_PageDown, {}, QString(), true);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other, DeadlineMs));
        m_window->findChild<QCheckBox*>("Check3")->click();
        QCOMPARE(m_figure->accessibleDescription().toStdString(), app::ReadoutSummary(m_window->form().Controls()));
    }

    void returnAndEnterPressTheFocusedResetButton()
    {
        auto* reset = m_window->findChild<QPushButton*>("Command1");
        for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
            m_figure->setFocus();
            key(Qt::Key_Left);
            reset->setFocus();
            key(modifiers ? Qt::Key_Enter : Qt::Key_Return, modifiers);
            QCOMPARE(angle(), 74);
        }
    }

    // F1 in a small window: the list inside it, clear of every button and
    // of the option buttons' panel, each line in type of 12 pixels at
    // least; in either mode, at the window's own size and smaller.
    void theListOfKeysStandsClearOfTheButtons()
    {
        const app::KeyHelp& help = m_window->form().Controls().Help;
        for (const QSize size : {QSize(900, 541), QSize(600, 400), QSize(420, 300)}) {
            m_window->resize(size);
            for (const char* mode : {"Option1_1", "Option1_0"}) {
                QTest::mouseClick(m_window->findChild<QRadioButton*>(mode), Qt::LeftButton);
                key(Qt::Key_F1);
                const QString where = QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(mode);
                QVERIFY2(help.Shown, qPrintable(where));
                const QRectF panel(help.Panel.Left, help.Panel.Top, help.Panel.Width, help.Panel.Height);
                QVERIFY2(QRectF(m_window->rect()).contains(panel), qPrintable(where));
                for (QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (child != m_figure)
                        QVERIFY2(!panel.intersects(child->geometry()), qPrintable(where + " " + child->objectName()));
                }
                for (std::size_t i = 0; i < std::size_t(help.Count); ++i) {
                    for (const controls::Label* line : {&help.Keys[i], &help.Actions[i]}) {
                        QVERIFY2(line->Font.PixelSize() >= 12, qPrintable(where));
                        QVERIFY2(panel.contains(QRectF(line->Left, line->Top, line->Width(), line->Height())),
                                 qPrintable(where + " " + QString::fromStdString(line->Caption())));
                    }
                }
                key(Qt::Key_Escape);
                QVERIFY2(!help.Shown, qPrintable(where));
            }
        }
    }

    // The key that closes the list does nothing else: a modifier pressed
    // first leaves it open, and the closing key is swallowed whole, its
    // repeats, its release and the shortcut it makes with Ctrl. A held F1
    // repeats without closing it.
    void theKeyThatClosesTheListDoesNothingElse()
    {
        QWindow* window = m_window->windowHandle();
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_S);
        QCOMPARE(m_window->form().LessonStep(), 3);
        const auto shown = [this] { return m_window->form().KeyHelpShown(); };
        QTest::simulateEvent(window, true, Qt::Key_F1, {}, QString(), false);
        QTest::simulateEvent(window, true, Qt::Key_F1, {}, QString(), true);
        QTest::simulateEvent(window, false, Qt::Key_F1, {}, QString(), false);
        QVERIFY(shown());
        QTest::simulateEvent(window, true, Qt::Key_Shift, Qt::ShiftModifier, QString(), false);
        QVERIFY(shown());
        QTest::simulateEvent(window, true, Qt::Key_S, Qt::ShiftModifier, QStringLiteral("S"), false);
        QVERIFY(!shown());
        QTest::simulateEvent(window, true, Qt::Key_S, Qt::ShiftModifier, QStringLiteral("S"), true);
        QTest::simulateEvent(window, false, Qt::Key_S, Qt::ShiftModifier, QStringLiteral("S"), false);
        QTest::simulateEvent(window, false, Qt::Key_Shift, {}, QString(), false);
        key(Qt::Key_F1);
        key(Qt::Key_PageDown, Qt::ShiftModifier);
        key(Qt::Key_F1);
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_window->form().LessonStep(), 3);
        QVERIFY(!shown());
        QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("saveDialog")));
        // The next key is a key again.
        key(Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(m_window->form().LessonStep(), 2);
    }

private:
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_window->windowHandle(), k, modifiers);
    }
    [[nodiscard]] std::int64_t angle() const { return m_window->form().State().AngleA; }
    [[nodiscard]] QImage picture() const { return m_window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<Form1Window> m_window;
    QWidget* m_figure = nullptr;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
