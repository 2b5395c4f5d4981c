// A long, seeded storm of real input on the window: presses, moves and
// releases of every button inside, on the edges of and far outside the client
// area, clicks on the buttons (also in the middle of a drag), resizes to odd
// sizes, minimizing and restoring, and a remote's keys, which step the
// lesson or turn A. A right click that moves nothing must open the figure's
// menu, and nothing else may; each menu is closed at once. After every event the window must agree
// with a small model of the program's rules, and nothing may go out of bounds.
//
//   ALTITUDE_STORM_SEED    one seed to run (a number, or "time" for a fresh one)
//   ALTITUDE_STORM_EVENTS  events per seed
// Without them, three fixed seeds of 10 000 events each. A failure names the
// seed and the event and lists the events before it, so that the run can be
// replayed.

#include "stormgenerator.h"
#include "storminvariants.h"
#include "stormmodel.h"

#include "desktop/application.h"
#include "desktop/form1window.h"
#include "desktop/controls/layerpainter.h"

#include "support/deadline.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <deque>

using app::Form1Window;
using namespace stress;

namespace {

constexpr std::uint64_t DefaultSeeds[] = {1, 20240607, 0x5eedc0ffee};
constexpr int DefaultEvents = 10000;

std::vector<std::uint64_t> Seeds()
{
    const QByteArray chosen = qgetenv("ALTITUDE_STORM_SEED");
    if (chosen.isEmpty())
        return {std::begin(DefaultSeeds), std::end(DefaultSeeds)};
    if (chosen == "time") {
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        return {std::uint64_t(now)};
    }
    return {chosen.toULongLong(nullptr, 0)};
}

int EventsPerSeed()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ALTITUDE_STORM_EVENTS", &ok);
    return ok && events > 0 ? events : DefaultEvents;
}

// The storm drives the mouse far outside the window on purpose; Qt Test
// warns about each such event. The offscreen platform warns that a menu it
// opens cannot grab the keyboard.
QtMessageHandler g_previousHandler = nullptr;

void DropOutsideWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("occurs outside target window"))
            || message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    g_previousHandler(type, context, message);
}

// How many events of each kind a storm sent, for the log.
class Tally {
public:
    void Add(const Action& a)
    {
        ++m_kinds[int(a.kind)];
        if (a.kind == Kind::Resize) {
            m_noHeight += a.size.height() == 0;
            m_onePixel += a.size == QSize(1, 1);
            m_huge += a.size == QSize(8000, 6000);
        }
    }

    [[nodiscard]] QString Summary() const
    {
        static const char* const names[] = {"moves", "presses", "releases", "clicks", "clicks on buttons",
                                            "resizes", "minimizes", "restores", "event-loop runs", "keys"};
        QStringList parts;
        for (int k = 0; k < 10; ++k)
            parts << QStringLiteral("%1 %2").arg(m_kinds[k]).arg(QLatin1String(names[k]));
        return parts.join(QLatin1String(", "))
            + QStringLiteral("; of the resizes %1 without height, %2 to 1 x 1, %3 to 8000 x 6000")
                  .arg(m_noHeight).arg(m_onePixel).arg(m_huge);
    }

private:
    int m_kinds[10] = {};
    int m_noHeight = 0;
    int m_onePixel = 0;
    int m_huge = 0;
};

// A point where the button takes a left click: its indicator, or its middle.
QPoint HitPoint(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle* style = button.style();
    if (qobject_cast<const QCheckBox*>(&button))
        return style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &button).center();
    if (qobject_cast<const QRadioButton*>(&button))
        return style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button).center();
    return button.rect().center();
}

// Sends each action to the window as real events and keeps the model in step.
// What the toolkit decides is watched, not guessed, each as it happens: the
// pointer events as they reach the native window (the window system reports
// the motion before a button change at a new place, and drops a move to
// where the pointer already is), which button a press clicks, and when the
// window is resized, minimized or restored. Who gets the pointer events from
// the native window on, and what the figure makes of them, is the model's.
class Driver : public QObject {
public:
    explicit Driver(Form1Window& window) : m_window(window), m_handle(*window.windowHandle()), m_pointer(m_figure)
    {
        for (const QString& name : ButtonNames) {
            connect(window.findChild<QAbstractButton*>(name), &QAbstractButton::clicked, this, [this, name] {
                ++m_clicks;
                Clicked(name);
            });
        }
        // The lesson's step control, where the storm's clicks land on it.
        for (const auto& [name, step] : {std::pair{"LessonBack", -1}, std::pair{"LessonNext", 1}, std::pair{"LessonEnd", 0}}) {
            connect(window.findChild<QAbstractButton*>(QLatin1String(name)), &QAbstractButton::clicked, this,
                    [this, step] { m_figure.lesson = step == 0 ? 0 : std::clamp(m_figure.lesson + step, 0, 9); });
        }
        window.installEventFilter(this);
        m_handle.installEventFilter(this);
    }

    [[nodiscard]] const FigureModel& Figure() const { return m_figure; }
    [[nodiscard]] Qt::MouseButtons Held() const { return m_held; }
    // Whether the last click on a button widget failed to click it, which
    // would leave the storm without the clicks it means to make.
    [[nodiscard]] bool MissedClick() const { return m_missedClick; }
    // Whether the figure's menu opened where the rules open it: after a
    // right click that moved nothing, and after nothing else.
    [[nodiscard]] QString MenuAmiss() const
    {
        if (m_menuOpened == m_menuDue)
            return {};
        return m_menuDue ? QStringLiteral("the right click opened no menu")
                         : QStringLiteral("the figure's menu opened after no right click");
    }
    // How many menus opened, for the log.
    [[nodiscard]] int Menus() const { return m_menus; }

    // The model's view of the mouse and the figure, for the failure report.
    [[nodiscard]] QString Describe() const
    {
        static const char* const owners[] = {"nobody", "the window", "a label", "a button"};
        QString buttons;
        for (auto [b, name] : {std::pair{Qt::LeftButton, "left "}, {Qt::RightButton, "right "}, {Qt::MiddleButton, "middle "}})
            buttons += m_held & b ? QLatin1String(name) : QLatin1String();
        return QStringLiteral("  [%1held, mouse with %2, AngleA %3%4]")
            .arg(buttons.isEmpty() ? QStringLiteral("no button ") : buttons, QLatin1String(owners[int(m_pointer.MouseOwner())])).arg(m_figure.angle)
            .arg(m_figure.dragging ? QStringLiteral(", dragging") : QString());
    }

    // Returns whether the action ended with a rebuild of the figure.
    bool Perform(const Action& a)
    {
        m_rebuilt = false;
        m_missedClick = false;
        m_menuDue = false;
        switch (a.kind) {
        case Kind::Move:
            QTest::mouseMove(&m_handle, a.at);
            break;
        case Kind::Press:
            QTest::mousePress(&m_handle, a.button, {}, a.at);
            m_held |= a.button;
            break;
        case Kind::Click:
            QTest::mouseClick(&m_handle, a.button, {}, a.at);
            break;
        case Kind::Release:
            QTest::mouseRelease(&m_handle, a.button, {}, a.at);
            m_held &= ~Qt::MouseButtons(a.button);
            break;
        case Kind::ClickButton: {
            // Straight to the button, past the window's hold on the mouse.
            // Qt Test keeps one set of held buttons for both ways of sending,
            // and the window's buttons are still down.
            auto* button = m_window.findChild<QAbstractButton*>(a.target);
            const int clicks = m_clicks;
            QTest::mouseClick(button, Qt::LeftButton, {}, HitPoint(*button));
            QTestPrivate::qtestMouseButtons = m_held;
            m_missedClick = m_clicks == clicks;
            break;
        }
        case Kind::Resize:
            m_window.resize(a.size);
            if (!m_handle.isVisible())
                LetGoOfHidden();
            break;
        case Kind::Minimize:
            m_window.showMinimized();
            break;
        case Kind::Restore:
            m_window.showNormal();
            break;
        case Kind::RunEventLoop:
            QCoreApplication::processEvents();
            break;
        case Kind::Key:
            QTest::keyClick(&m_handle, a.key, a.shift ? Qt::ShiftModifier : Qt::NoModifier);
            m_figure.Key(a.key, a.shift);
            break;
        }
        // A menu opened is seen, and closed, so that the storm goes on at
        // the window.
        m_menuOpened = false;
        if (QWidget* menu = QApplication::activePopupWidget()) {
            m_menuOpened = true;
            ++m_menus;
            menu->close();
        }
        return m_rebuilt;
    }

    // Lets go of every button, so that the next window starts afresh.
    void ReleaseAll()
    {
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (m_held & b)
                Perform(Action{Kind::Release, b, QPoint(1, 1), {}, {}});
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_handle)
            PointerArrived(event);
        else if (event->type() == QEvent::Resize)
            Rebuilt();
        else if (event->type() == QEvent::WindowStateChange
                 && bool(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized)
                        != m_window.isMinimized())
            Rebuilt();
        return QObject::eventFilter(watched, event);
    }

private:
    void PointerArrived(QEvent* event)
    {
        const QEvent::Type type = event->type();
        if (m_lettingGo || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
                            && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
            return;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = mouse->position();
        if (type == QEvent::MouseMove) {
            m_pointer.Move(mouse->buttons(), at);
        } else if (type == QEvent::MouseButtonRelease) {
            m_menuDue = m_pointer.Release(mouse->button(), mouse->buttons()) || m_menuDue;
        } else {
            m_rebuilt = false; // the figure may no longer be the rebuilt one
            m_pointer.Press(mouse->button(), mouse->buttons(), at, Under(at.toPoint()));
        }
    }

    // A window without width or height is hidden, and its hold on the mouse
    // gone: the buttons come up elsewhere.
    void LetGoOfHidden()
    {
        m_lettingGo = true;
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (m_held & b)
                QTest::mouseRelease(&m_handle, b, {}, QPoint(1, 1));
        }
        m_lettingGo = false;
        m_held = Qt::NoButton;
        m_pointer.Forget();
    }

    void Rebuilt()
    {
        m_figure.Rebuild();
        m_rebuilt = true;
    }

    void Clicked(const QString& name)
    {
        if (name == QLatin1String("Command1")) {
            Rebuilt();
        } else if (name.startsWith(QLatin1String("Option1_"))) {
            m_figure.moveMode = name.endsWith(QLatin1Char('0'));
        } else {
            const int box = name.back().digitValue() - 1;
            m_figure.ticked[box] = !m_figure.ticked[box];
            if (box == 0)
                m_figure.ClickGridBox();
        }
    }

    // What a first button down at `at` lands on.
    Owner Under(QPoint at) const
    {
        if (m_window.childAt(at))
            return Owner::Child;
        for (const controls::Label* label : Labels(m_window.form().Controls())) {
            if (label->Visible && qtcontrols::LabelBox(*label).contains(at))
                return Owner::Label;
        }
        return Owner::Window;
    }

    Form1Window& m_window;
    QWindow& m_handle;
    FigureModel m_figure;
    PointerModel m_pointer;
    Qt::MouseButtons m_held;
    int m_clicks = 0;
    bool m_rebuilt = false;
    bool m_lettingGo = false;
    bool m_missedClick = false;
    bool m_menuDue = false;
    bool m_menuOpened = false;
    int m_menus = 0;
};

} // namespace

class StormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app::ConfigureApplication();
        g_previousHandler = qInstallMessageHandler(DropOutsideWarnings);
    }

    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    void windowHoldsUpUnderAnEventStorm_data()
    {
        QTest::addColumn<quint64>("seed");
        for (std::uint64_t seed : Seeds())
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << quint64(seed);
    }

    void windowHoldsUpUnderAnEventStorm()
    {
        QFETCH(quint64, seed);
        const int events = EventsPerSeed();
        QCOMPARE(QTestPrivate::qtestMouseButtons, Qt::MouseButtons());

        Form1Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));
        Driver driver(window);
        Generator generator(seed);
        std::deque<QString> recent;
        Tally tally;
        QElapsedTimer clock;
        clock.start();

        for (int i = 0; i < events; ++i) {
            const Action action = generator.Next(window, driver.Held());
            tally.Add(action);
            const bool rebuilt = driver.Perform(action);
            recent.push_back(Describe(action) + driver.Describe());
            if (recent.size() > 16)
                recent.pop_front();
            QString broken = driver.MissedClick() ? QStringLiteral("the click did not click the button")
                                                  : BrokenInvariant(window, driver.Figure(), rebuilt);
            if (broken.isEmpty())
                broken = driver.MenuAmiss();
            if (broken.isEmpty() && window.form().LessonStep() != driver.Figure().lesson)
                broken = QStringLiteral("the lesson at step %1 where the rules give %2")
                             .arg(window.form().LessonStep()).arg(driver.Figure().lesson);
            if (!broken.isEmpty()) {
                driver.ReleaseAll();
                QStringList lines(recent.begin(), recent.end());
                QFAIL(qPrintable(QStringLiteral("ALTITUDE_STORM_SEED=%1 ALTITUDE_STORM_EVENTS=%2: after event %2, %3\n"
                                                "   the last events, oldest first:\n     %4")
                                     .arg(seed).arg(i + 1).arg(broken, lines.join(QLatin1String("\n     ")))));
            }
        }
        driver.ReleaseAll();
        qInfo("seed %llu: %d events in %lld ms: %s; %d menus opened", static_cast<unsigned long long>(seed), events,
              static_cast<long long>(clock.elapsed()), qPrintable(tally.Summary()), driver.Menus());
    }

    // The shortest form of what the storm finds first: a press of the right
    // or the middle button on a button widget is the widget's, as a left one
    // is, and must not start a drag of A.
    void aPressOnAButtonIsNeverTheWindows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::MouseButton>("button");
        for (const QString& name : ButtonNames) {
            QTest::addRow("%s, right", qPrintable(name)) << name << Qt::RightButton;
            QTest::addRow("%s, middle", qPrintable(name)) << name << Qt::MiddleButton;
        }
    }

    void aPressOnAButtonIsNeverTheWindows()
    {
        QFETCH(QString, name);
        QFETCH(Qt::MouseButton, button);
        Form1Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));
        QWindow* handle = window.windowHandle();
        const QPoint on = window.findChild<QWidget*>(name)->geometry().center();

        QTest::mousePress(handle, button, {}, on);
        const int dragging = window.form().State().Dragging;
        QTest::mouseMove(handle, on - QPoint(10, 0));
        const std::int64_t angle = window.form().State().AngleA;
        QTest::mouseRelease(handle, button, {}, on - QPoint(10, 0));
        QCOMPARE(dragging, 0);
        QCOMPARE(angle, 74);
    }
};

QTEST_MAIN(StormTest)
#include "storm_test.moc"
