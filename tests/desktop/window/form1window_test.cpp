#include "support/openwindow.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using app::Form1Window;

class Form1WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::ConfigureApplication(); }

    void opensWithTheCaptionAndTheDesignClientArea()
    {
        const std::unique_ptr<Form1Window> opened = OpenWindow();
        QVERIFY2(opened, "the window was not exposed");
        Form1Window& window = *opened;
        QCOMPARE(window.windowTitle(), QStringLiteral("三角形の直角の頂点から下ろした垂線   by q.Varlen"));
        QCOMPARE(window.size(), QSize(900, 541));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    void buttonsStandWhereTheDescriptionPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("fore");
        const QColor white(255, 255, 255), teal(0, 192, 192), red(255, 0, 0);
        const QColor text; // the platform's own button text colour
        QTest::newRow("Command1") << "Command1" << "初期画面" << QRect(8, 8, 89, 41) << QColor(255, 255, 192) << text;
        QTest::newRow("Option1(0)") << "Option1_0" << "Ａ移動・メモクリア" << QRect(112, 16, 145, 17) << teal << white;
        QTest::newRow("Option1(1)") << "Option1_1" << "メモ書き" << QRect(112, 40, 81, 17) << teal << white;
        QTest::newRow("Check1") << "Check1" << "方眼表示" << QRect(10, 52, 90, 17) << white << text;
        QTest::newRow("Check2") << "Check2" << "３辺の長さ" << QRect(10, 72, 97, 25) << white << text;
        QTest::newRow("Check3") << "Check3" << "ＡＤの長さ" << QRect(8, 96, 89, 25) << white << red;
        QTest::newRow("Check4") << "Check4" << "ＢＤの長さ" << QRect(8, 120, 89, 25) << white << red;
    }

    void buttonsStandWhereTheDescriptionPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(QColor, back);
        QFETCH(QColor, fore);

        Form1Window window;
        auto* button = window.findChild<QAbstractButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
        QVERIFY(button->autoFillBackground());
        QCOMPARE(button->palette().color(QPalette::Button), back);
        if (fore.isValid())
            QCOMPARE(button->palette().color(QPalette::ButtonText), fore);
        QCOMPARE(button->font().pixelSize(), 16);
    }

    void startsWithTheGridTickedAndMoveModeSelected()
    {
        Form1Window window;
        QVERIFY(window.findChild<QCheckBox*>("Check1")->isChecked());
        for (const char* name : {"Check2", "Check3", "Check4"})
            QVERIFY(!window.findChild<QCheckBox*>(name)->isChecked());
        QVERIFY(window.findChild<QRadioButton*>("Option1_0")->isChecked());
        QVERIFY(!window.findChild<QRadioButton*>("Option1_1")->isChecked());
    }

    // Opened at a pose (--lesson 3 --angle 30 --lengths --no-grid), the
    // window shows it once shown, the boxes ticked as the figure is: the
    // first resize, which puts A back at 74, does not undo it.
    void opensAtThePoseItIsGiven()
    {
        Form1Window window;
        window.OpenAt(app::WorksheetPose{.AngleA = 30, .Lengths = true, .Grid = false, .Lesson = 3});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));
        const app::Form1& form = window.form();
        QCOMPARE(form.LessonStep(), 3);
        QCOMPARE(form.State().AngleA, 30);
        QVERIFY(!window.findChild<QCheckBox*>("Check1")->isChecked());
        for (const char* name : {"Check2", "Check3", "Check4"})
            QVERIFY(window.findChild<QCheckBox*>(name)->isChecked());
        QStringList texts;
        for (const controls::Label& text : form.Controls().Lesson.Text)
            texts << QString::fromStdString(text.Visible ? text.Caption() : std::string());
        QVERIFY2(texts.join('|').contains(QStringLiteral("23.04")), qPrintable(texts.join('|')));
    }

    void focusFollowsTheTabIndexes()
    {
        Form1Window window;
        QWidget* widget = window.findChild<QWidget*>("Command1");
        QStringList order;
        for (int i = 0; i < 7; ++i, widget = widget->nextInFocusChain())
            order << widget->objectName();
        QCOMPARE(order, QStringList({"Command1", "Option1_0", "Option1_1", "Check1", "Check2", "Check3", "Check4"}));
    }

    // The design's face is drawn with a Japanese Gothic, and sizes are pixels.
    void captionsUseAProportionalJapaneseGothic()
    {
        Form1Window window;
        const QFont font = window.findChild<QCheckBox*>("Check2")->font();
        const QString family = QFontInfo(font).family();
        QVERIFY2(QStringList({"IPAPGothic", "VL PGothic", "Noto Sans CJK JP"}).contains(family), qPrintable(family));
        QCOMPARE(window.form().Controls().Label1[0].Font.PixelSize(), 27);
    }

    // Whatever Label2 looked like, the check boxes above it hide every pixel.
    void label2IsNeverSeen()
    {
        Form1Window window;
        controls::Label& hidden = window.form().Controls().Label2;
        hidden.Transparent = false;
        hidden.BackColor = controls::Color{0x00FF00}; // a green nothing else uses
        hidden.ForeColor = controls::Color{0x00FF00};
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, DeadlineMs));

        const QImage image = window.grab().toImage();
        const QRect box(int(hidden.Left), int(hidden.Top), int(hidden.Width()), int(hidden.Height()));
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                QVERIFY2(image.pixelColor(x, y) != QColor(0, 255, 0), qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(Form1WindowTest)
#include "form1window_test.moc"
