#include "support/openwindow.h"

#include <QCheckBox>
#include <QtTest>

using app::Form1Controls;
using app::Form1Window;

namespace {

QRect BoxOf(const controls::Label& label)
{
    return QRect(qRound(label.Left), qRound(label.Top), int(label.Width()), int(label.Height()));
}

// How many pixels of `colour` the window shows inside `box`.
int CountColour(Form1Window& window, const QRect& box, const QColor& colour)
{
    const QImage image = window.grab(box).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

} // namespace

class ReadoutsTest : public QObject {
    Q_OBJECT

private slots:
    void startHiddenAndShowWithTheirBoxes()
    {
        const std::unique_ptr<Form1Window> opened = OpenWindow();
        QVERIFY2(opened, "the window was not exposed");
        Form1Window& window = *opened;
        const Form1Controls& c = window.form().Controls();
        const QColor black(0, 0, 0), red(255, 0, 0);

        for (const auto* readout : {&c.Label3[0], &c.Label3[1], &c.Label3[2], &c.Label4[0], &c.Label4[1]})
            QVERIFY(!readout->Visible);
        QCOMPARE(CountColour(window, BoxOf(c.Label3[2]), black), 0);

        QTest::mouseClick(window.findChild<QCheckBox*>("Check2"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(c.Label3[i].Visible);
            QVERIFY(CountColour(window, BoxOf(c.Label3[i]), black) > 20);
        }
        QCOMPARE(c.Label3[0].Caption(), std::string("５cm"));
        QCOMPARE(c.Label3[1].Caption(), std::string(" 4cm"));
        QCOMPARE(c.Label3[2].Caption(), std::string(" 3cm"));

        QTest::mouseClick(window.findChild<QCheckBox*>("Check3"), Qt::LeftButton);
        QVERIFY(c.Label4[0].Visible);
        QCOMPARE(c.Label4[0].Caption(), std::string(" 2.4cm"));
        QVERIFY(CountColour(window, BoxOf(c.Label4[0]), red) > 20);
        QVERIFY(!c.Label4[1].Visible);

        QTest::mouseClick(window.findChild<QCheckBox*>("Check4"), Qt::LeftButton);
        QVERIFY(c.Label4[1].Visible);
        QCOMPARE(c.Label4[1].Caption(), std::string(" 3.2cm"));
        QVERIFY(CountColour(window, BoxOf(c.Label4[1]), red) > 20);

        QTest::mouseClick(window.findChild<QCheckBox*>("Check2"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QCheckBox*>("Check3"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!c.Label3[i].Visible);
        QVERIFY(!c.Label4[0].Visible);
        QCOMPARE(CountColour(window, BoxOf(c.Label3[2]), black), 0);
        QCOMPARE(CountColour(window, BoxOf(c.Label4[0]), red), 0);
    }

    // Each read-out box is its text's own size in the Gothic face, and the AB
    // read-out ends 25 pixels left of the middle of AB.
    void fitTheirTextAndKeepTheirPlaces()
    {
        Form1Window window;
        const Form1Controls& c = window.form().Controls();
        const figure::FigureState& s = window.form().State();
        QVERIFY(c.Label3[1].Width() > 30 && c.Label3[1].Width() < 80);
        QVERIFY(c.Label3[1].Height() >= 27 && c.Label3[1].Height() <= 32);
        // Left is a single: within its rounding.
        QVERIFY(qAbs(double(c.Label3[1].Left) + c.Label3[1].Width() - ((s.Ax + s.Bx) / 2 - 25)) < 1e-4);
    }
};

QTEST_MAIN(ReadoutsTest)
#include "readouts_test.moc"
