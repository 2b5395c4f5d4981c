#include "desktop/application.h"
#include "desktop/controls/qttextmetrics.h"
#include "figure/movevertex.h"
#include "form/form1.h"

#include "controls/surface.h"
#include "support/openwindow.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

struct Point {
    double x, y;
};

double Distance(Point p, const controls::Line& l)
{
    const double dx = l.X2 - l.X1, dy = l.Y2 - l.Y1;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - l.X1) * dx + (p.y - l.Y1) * dy) / length2, 0.0, 1.0) : 0;
    return std::hypot(p.x - (l.X1 + t * dx), p.y - (l.Y1 + t * dy));
}

// Points every half pixel along a line, ends included.
std::vector<Point> Along(const controls::Line& l)
{
    const int steps = std::max(1, int(std::ceil(2 * std::hypot(l.X2 - l.X1, l.Y2 - l.Y1))));
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i)
        points.push_back({l.X1 + (l.X2 - l.X1) * i / steps, l.Y1 + (l.Y2 - l.Y1) * i / steps});
    return points;
}

// Where a pen of `width` along `l` reaches into `box`.
bool Touches(const controls::Line& l, const QRectF& box)
{
    const QRectF reach = box.adjusted(-l.BorderWidth / 2.0, -l.BorderWidth / 2.0, l.BorderWidth / 2.0,
                                      l.BorderWidth / 2.0);
    const std::vector<Point> points = Along(l);
    return std::any_of(points.begin(), points.end(), [&](Point p) { return reach.contains(p.x, p.y); });
}

bool Touches(const controls::Line& a, const controls::Line& b)
{
    const std::vector<Point> points = Along(a);
    return std::any_of(points.begin(), points.end(),
                       [&](Point p) { return Distance(p, b) < (a.BorderWidth + b.BorderWidth) / 2.0; });
}

QRectF BoxOf(const controls::Label& label)
{
    const controls::PixelRect box = controls::PaintedBox(label);
    return QRectF(box.left, box.top, box.Width(), box.Height());
}

QRectF BoxOf(const controls::ButtonControl& b)
{
    return QRectF(b.Left, b.Top, b.Width, b.Height);
}

// WCAG's contrast ratio of two colours.
double Contrast(controls::Color a, controls::Color b)
{
    const auto luminance = [](controls::Color c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.Red()) + 0.7152 * linear(c.Green()) + 0.0722 * linear(c.Blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Opened {
    controls::BlankSurface surface;
    app::Form1 form;

    Opened(const controls::TextMetrics& metrics, QSize size, bool lengths) : form(surface, &metrics)
    {
        app::Form1Controls& c = form.Controls();
        c.Form1.ScaleWidth = float(size.width());
        c.Form1.ScaleHeight = float(size.height());
        form.Form_Load();
        form.Form_Resize();
        for (controls::CheckBox* box : {&c.Check2, &c.Check3, &c.Check4})
            box->Value = lengths ? 1 : 0;
        form.Check2_Click();
        form.Check3_Click();
        form.Check4_Click();
    }
    void Pose(std::int64_t angle, int step)
    {
        form.State().AngleA = angle;
        figure::MoveVertexA(form.State(), form.Figure());
        form.SetLessonStep(step);
    }
};

// Every degree in the plain build; under AddressSanitizer, which makes each
// placement some forty times slower, every seventh, still at every step and
// size, so that the sweep stays within the test's time.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::int64_t AngleStride = 7;
#else
constexpr std::int64_t AngleStride = 1;
#endif

// The panel's text size: that of its texts other than exponents.
int TextPixels(const figure::LessonControls& lesson)
{
    int pixels = 0;
    for (const controls::Label& text : lesson.Text) {
        if (text.Visible)
            pixels = std::max(pixels, text.Font.PixelSize());
    }
    return pixels;
}

} // namespace

class LessonTest : public QObject {
    Q_OBJECT

private slots:
    // In the face the program draws in: the texts' widths decide the places.
    void initTestCase() { app::ConfigureApplication(); }

    // At every whole degree of A above BC, at every step, with and without
    // the lengths, in the window as designed and in a small one: the panel
    // is there, in one text size, its step control with it, and it keeps off
    // every line, letter, read-out and button, the panel's texts inside it.
    // An arc ends on the two sides of its angle, touches no other, and keeps
    // off the letters and the buttons; a read-out lies over it, as over a
    // side. A below BC, where the old sweep went, is kept
    // for three steps with the lengths. Every coloured text reads at 4.5:1
    // on the panel, and a screen reader hears only what is shown.
    void keepsClearOfTheFigureAndTheButtons()
    {
        const qtcontrols::QtTextMetrics metrics;
        for (const QSize size : {QSize(900, 541), QSize(640, 400)}) {
            int sizeOfText = 0;
            for (const bool lengths : {true, false}) {
                Opened o(metrics, size, lengths);
                app::Form1Controls& c = o.form.Controls();
                const std::vector<QRectF> buttons{BoxOf(c.Command1), BoxOf(c.Check1), BoxOf(c.Check2), BoxOf(c.Check3),
                                                  BoxOf(c.Check4), QRectF(c.Shape1.Left, c.Shape1.Top, c.Shape1.Width,
                                                                          c.Shape1.Height)};
                // The sides each arc spans: ∠B, ∠DAC, ∠C twice, ∠BAD twice.
                const std::array<std::array<int, 2>, figure::LessonArcStrokes> own{
                    {{0, 1}, {3, 2}, {0, 2}, {0, 2}, {1, 3}, {1, 3}}};
                int below = 0;
                for (int step = 1; step <= figure::LessonLastStep; ++step) {
                    const bool wholeTurn = lengths && (step == 1 || step == 3 || step == 7);
                    for (std::int64_t angle = wholeTurn ? 1 : 2; angle <= (wholeTurn ? 359 : 178); angle += AngleStride) {
                        o.Pose(angle, step);
                        const QString where = QStringLiteral("%1x%2 step %3 at %4%5")
                                                  .arg(size.width()).arg(size.height()).arg(step).arg(angle)
                                                  .arg(lengths ? " with the lengths" : "");
                        std::vector<QRectF> boxes = buttons;
                        std::size_t letters = 0; // the boxes an arc keeps off: the buttons and the letters
                        for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
                            for (const controls::Label& label : *labels) {
                                if (label.Visible)
                                    boxes.push_back(BoxOf(label));
                            }
                            if (labels == &c.Label1)
                                letters = boxes.size();
                        }
                        std::vector<const controls::Line*> lines;
                        for (const auto* array : {&c.Line1, &c.Line2, &c.Line3}) {
                            for (const controls::Line& line : *array)
                                lines.push_back(&line);
                        }
                        const figure::LessonControls& lesson = c.Lesson;
                        const bool above = angle >= 2 && angle <= 178;
                        QVERIFY2(!above || (lesson.Panel.Visible && !lesson.Spoken.empty()), qPrintable(where));
                        below += !above && lesson.Panel.Visible;
                        if (lesson.Panel.Visible) {
                            const QRectF panel(lesson.Panel.Left, lesson.Panel.Top, lesson.Panel.Width,
                                               lesson.Panel.Height);
                            // The step control at the panel's head or side,
                            // or apart in a box of its own, kept as clear.
                            const QRectF apart(lesson.StepsPanel.Left, lesson.StepsPanel.Top, lesson.StepsPanel.Width,
                                               lesson.StepsPanel.Height);
                            QVERIFY2(!lesson.StepsPanel.Visible || !apart.intersects(panel), qPrintable(where));
                            for (const QRectF& box : lesson.StepsPanel.Visible ? std::vector{panel, apart}
                                                                               : std::vector{panel}) {
                                QVERIFY2(QRectF(0, 0, size.width(), size.height()).contains(box), qPrintable(where));
                                for (const QRectF& keep : boxes)
                                    QVERIFY2(!box.intersects(keep), qPrintable(where));
                                for (const controls::Line* line : lines)
                                    QVERIFY2(!Touches(*line, box), qPrintable(where));
                                for (const controls::Line& arc : lesson.Arcs)
                                    QVERIFY2(!arc.Visible || !Touches(arc, box), qPrintable(where));
                            }
                            QVERIFY2(lesson.Steps.Visible, qPrintable(where));
                            for (const controls::ButtonControl* button : std::initializer_list<const controls::ButtonControl*>{
                                     &lesson.Steps.Back, &lesson.Steps.Step, &lesson.Steps.Next, &lesson.Steps.End}) {
                                QVERIFY2((lesson.StepsPanel.Visible ? apart : panel).contains(BoxOf(*button)),
                                         qPrintable(where));
                                QVERIFY2(button->Width >= 44 && button->Height >= 44, qPrintable(where));
                            }
                            const int pixels = TextPixels(lesson);
                            QVERIFY2(sizeOfText == 0 || pixels == sizeOfText,
                                     qPrintable(where + QStringLiteral(": %1 px, not %2").arg(pixels).arg(sizeOfText)));
                            sizeOfText = pixels;
                            for (const controls::Label& text : lesson.Text) {
                                if (!text.Visible)
                                    continue;
                                QVERIFY2(panel.contains(BoxOf(text)), qPrintable(where));
                                QVERIFY2(text.Font.PixelSize() >= 0.6 * pixels, qPrintable(where));
                                QVERIFY2(Contrast(text.ForeColor, lesson.Panel.BackColor) >= 4.5,
                                         qPrintable(where + " " + QString::fromStdString(text.Caption())));
                                QVERIFY2(lesson.Spoken.find(text.Caption()) != std::string::npos,
                                         qPrintable(where + " " + QString::fromStdString(text.Caption())));
                            }
                            const bool degreesShown = std::any_of(lesson.Text.begin(), lesson.Text.end(),
                                [](const controls::Label& t) { return t.Visible && t.Caption().find("∠") != std::string::npos; });
                            QVERIFY2(degreesShown == (lesson.Spoken.find("∠") != std::string::npos), qPrintable(where));
                        }
                        for (std::size_t i = 0; i < lesson.Arcs.size(); ++i) {
                            const controls::Line& arc = lesson.Arcs[i];
                            if (!arc.Visible)
                                continue;
                            for (std::size_t k = 0; k < letters; ++k)
                                QVERIFY2(!Touches(arc, boxes[k]), qPrintable(where));
                            const auto& sides = own[i / figure::ArcSegments];
                            for (int k = 0; k < int(lines.size()); ++k) {
                                if (k != sides[0] && k != sides[1])
                                    QVERIFY2(!Touches(arc, *lines[std::size_t(k)]), qPrintable(where + " " + QString::number(k)));
                            }
                        }
                    }
                }
                // Below BC, where the panel fits almost everywhere.
                if (lengths)
                    QVERIFY2(below > 3 * 181 * 9 / 10 / AngleStride, qPrintable(QString::number(below)));
            }
        }
    }

    // The text grows with the figure: 20 pixels at least in the window as
    // designed, 1.6 times that maximised on a full HD screen, the squared
    // sign three fifths of it; the same at every step.
    void growsWithTheFigure()
    {
        const qtcontrols::QtTextMetrics metrics;
        int designed = 0;
        for (const QSize size : {QSize(900, 541), QSize(1920, 1061)}) {
            Opened o(metrics, size, false);
            int pixels = 0;
            for (int step = 1; step <= figure::LessonLastStep; ++step) {
                o.Pose(74, step);
                const int now = TextPixels(o.form.Controls().Lesson);
                QVERIFY2(pixels == 0 || now == pixels, qPrintable(QStringLiteral("step %1: %2 px").arg(step).arg(now)));
                pixels = now;
                for (const controls::Label& text : o.form.Controls().Lesson.Text) {
                    if (text.Visible)
                        QVERIFY(text.Font.PixelSize() >= 0.6 * pixels);
                }
            }
            if (designed == 0) {
                QVERIFY2(pixels >= 20, qPrintable(QString::number(pixels)));
                designed = pixels;
            } else {
                QVERIFY2(pixels >= 1.6 * designed, qPrintable(QStringLiteral("%1 against %2").arg(pixels).arg(designed)));
            }
        }
    }

    // Swept a degree at a time with or without the lengths, an arc comes or
    // goes by its own angle's room: at most twice, never blinking as its
    // neighbours move.
    void keepsEachArcStillWhileAMoves()
    {
        const qtcontrols::QtTextMetrics metrics;
        for (const QSize size : {QSize(900, 541), QSize(640, 400)}) {
            for (const bool lengths : {true, false}) {
                Opened o(metrics, size, lengths);
                const auto& arcs = o.form.Controls().Lesson.Arcs;
                // The first stroke of each angle's arcs: ∠B, ∠DAC, ∠C, ∠BAD.
                const std::size_t first[] = {0, 1, 2, 4};
                int changes[4] = {};
                bool shown[4] = {};
                for (std::int64_t angle = 2; angle <= 178; ++angle) {
                    o.Pose(angle, 1);
                    for (int k = 0; k < 4; ++k) {
                        const bool now = arcs[first[k] * figure::ArcSegments].Visible;
                        changes[k] += angle > 2 && now != shown[k];
                        shown[k] = now;
                    }
                }
                for (int k = 0; k < 4; ++k) {
                    QVERIFY2(changes[k] <= 2, qPrintable(QStringLiteral("%1x%2%3: arc %4 changed %5 times")
                                                             .arg(size.width()).arg(size.height())
                                                             .arg(lengths ? " with the lengths" : "").arg(k)
                                                             .arg(changes[k])));
                }
            }
        }
    }
};

QTEST_MAIN(LessonTest)
#include "lesson_test.moc"
