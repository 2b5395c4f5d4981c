#include "desktop/worksheet.h"
#include "desktop/worksheetactions.h"
#include "desktop/worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"

#include "form/readoutsummary.h"
#include "support/openwindow.h"
#include "support/picturedifferences.h"
#include "support/savedialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>


using app::Form1Window;

namespace {

// Left out of the comparisons: where the window shows its buttons and the
// teal panel, which a worksheet leaves out, and the top and bottom pixel
// rows, whose grid lines lie on whole pixels (y = 0 and 541) and fall on the
// row above in a renderer that keeps a crisp line to its pixel centres.
const QRegion Ignored = QRegion(0, 0, 262, 150) + QRegion(0, 0, 900, 1) + QRegion(0, 540, 900, 1);

// At most this many pixels of the client area may differ; one read-out
// more or less makes several hundred.
constexpr int MostMismatches = 150;

// x1, y1, x2, y2 as written, compared as floats: GCC 12 at -O2 was seen to
// drop the rounding of two doubles to float when it widened them again as a
// pair.
using SvgLine = std::array<float, 4>;

struct SvgContent {
    std::vector<SvgLine> lines;
    QStringList texts;
    int images = 0;
    QString error;
};

SvgContent ReadSvg(const std::string& svg)
{
    SvgContent content;
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("line"))
            content.lines.push_back(SvgLine{a.value("x1").toFloat(), a.value("y1").toFloat(), a.value("x2").toFloat(),
                                            a.value("y2").toFloat()});
        else if (xml.name() == QLatin1String("text"))
            content.texts << xml.readElementText();
        else if (xml.name() == QLatin1String("image"))
            ++content.images;
    }
    if (xml.hasError())
        content.error = xml.errorString();
    return content;
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_files.isValid()); }

    void init()
    {
        m_window = OpenWindow();
        QVERIFY2(m_window, "the window was not exposed");
    }
    void cleanup() { m_window.reset(); }

    void svgHoldsTheFigureAtTheWorkedExamplesPlaces()
    {
        SvgContent svg = ReadSvg(app::WorksheetSvg(Source()));
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        const figure::FigureState& state = m_window->form().State();
        QVERIFY(std::abs(state.Ax - 524.73) < 0.005 && std::abs(state.Ay - 172.83) < 0.005);
        // Single precision, as the lines hold them, and read back exactly.
        const float ax = float(state.Ax), ay = float(state.Ay);
        for (const SvgLine& expected : {SvgLine{179.5f, 432.8f, 720.5f, 432.8f}, SvgLine{179.5f, 432.8f, ax, ay},
                                        SvgLine{720.5f, 432.8f, ax, ay}, SvgLine{ax, ay, ax, 432.8f}})
            QVERIFY2(std::find(svg.lines.begin(), svg.lines.end(), expected) != svg.lines.end(),
                     qPrintable(QString("%1,%2 - %3,%4").arg(expected[0]).arg(expected[1]).arg(expected[2]).arg(expected[3])));
        QCOMPARE(svg.texts, QStringList({"D", "C", "B", "A"}));
        QCOMPARE(svg.images, 0);

        for (const char* box : {"Check2", "Check3", "Check4"})
            QTest::mouseClick(m_window->findChild<QCheckBox*>(box), Qt::LeftButton);
        svg = ReadSvg(app::WorksheetSvg(Source()));
        QCOMPARE(svg.texts, QStringList({"D", "C", "B", "A", "５cm", " 4cm", " 3cm", " 2.4cm", " 3.2cm"}));

        // S on a box goes on to the window: Ctrl+S then draws the lesson's step.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_window->findChild<QCheckBox*>("Check4"), Qt::Key_S);
        svg = ReadSvg(app::WorksheetSvg(Source()));
        QVERIFY2(svg.texts.contains("BD × BC ＝ 3.2 × 5 ＝ 16"), qPrintable(svg.texts.join('|')));
    }

    // The SVG drawn by another renderer, the picture and the printed page look
    // like the figure in the window; memo strokes come along.
    void everyFormatShowsTheWindowsFigure()
    {
        for (const char* box : {"Check2", "Check3", "Check4"})
            QTest::mouseClick(m_window->findChild<QCheckBox*>(box), Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_1"), Qt::LeftButton);
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 100});
        QTest::mouseMove(m_window.get(), {700, 100});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {700, 100});
        const QImage window = m_window->grab().toImage();
        const QColor memo(0, 0, 192);

        const std::string svg = app::WorksheetSvg(Source());
        QCOMPARE(ReadSvg(svg).images, 1);
        const QImage drawn = Draw(svg);
        QCOMPARE(drawn.size(), QSize(900, 541));
        QCOMPARE(drawn.pixelColor(650, 100), memo);
        int svgMismatches = 0;
        const QImage svgDifferences = Differences(drawn, window, Ignored, svgMismatches);

        // The comparison sees a read-out that is not there.
        controls::Label& ad = m_window->form().Controls().Label4[0];
        ad.Visible = false;
        int withoutAd = 0;
        Differences(Draw(app::WorksheetSvg(Source())), window, Ignored, withoutAd);
        ad.Visible = true;
        QVERIFY2(withoutAd > 2 * MostMismatches, qPrintable(QString::number(withoutAd)));

        const QImage picture = app::WorksheetPicture(Source(), m_window->devicePixelRatio());
        QCOMPARE(picture.size(), window.size() * 2);
        QCOMPARE(picture.pixelColor(1300, 200), memo);
        QCOMPARE(picture.pixelColor(400, 30), QColor(Qt::white)); // between grid lines, where the buttons were
        const QImage halved = picture.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int pictureMismatches = 0;
        const QImage pictureDifferences = Differences(halved, window, Ignored, pictureMismatches);

        // Printed on a page of the figure's own size, a point to the pixel.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_files.filePath("figure.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QSizeF(900, 541), QPageSize::Point), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        QVERIFY(app::PrintWorksheet(printer, Source()));
        Run("pdftoppm", {"-r", "72", "-png", "-singlefile", printer.outputFileName(), m_files.filePath("figure")});
        const QImage printed(m_files.filePath("figure.png"));
        QCOMPARE(printed.size(), QSize(900, 541));
        int printedMismatches = 0;
        const QImage printedDifferences = Differences(printed, window, Ignored, printedMismatches);

        Keep(window, "window.png");
        Keep(printed, "pdf-drawn.png");
        Keep(printedDifferences, "pdf-differences.png");
        Keep(drawn, "svg-drawn.png");
        Keep(picture, "picture.png");
        Keep(svgDifferences, "svg-differences.png");
        Keep(pictureDifferences, "picture-differences.png");
        qInfo("pixels unlike the window: SVG %d, picture %d, PDF %d; SVG without AD's read-out %d", svgMismatches,
              pictureMismatches, printedMismatches, withoutAd);
        QVERIFY2(svgMismatches <= MostMismatches, qPrintable(QString::number(svgMismatches)));
        QVERIFY2(pictureMismatches <= MostMismatches, qPrintable(QString::number(pictureMismatches)));
        // The PDF renderer draws glyphs heavier and up to a pixel to the
        // left, some 450 pixels in all; what is painted is the picture's own
        // (compared closely above), and this catches a page that places,
        // scales or clips the figure wrongly, which differs in thousands.
        QVERIFY2(printedMismatches <= 4 * MostMismatches, qPrintable(QString::number(printedMismatches)));
    }

    // A memo stroke across the lesson's panel lies over it in every format,
    // as the window shows it: multiplied, the panel's ivory darkened, where
    // a worksheet that laid it beneath would show the panel untouched.
    void inkLiesOverTheLessonsPanelInEveryFormat()
    {
        QTest::keyClick(m_window.get(), Qt::Key_S);
        const controls::Shape& panel = m_window->form().Controls().Lesson.Panel;
        QVERIFY(panel.Visible);
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_1"), Qt::LeftButton);
        // In the panel's margin, right of its texts, and out past its edge.
        const QPoint inside(int(panel.Left + panel.Width) - 4, int(panel.Top + panel.Height / 2));
        Drag(*m_window, Qt::LeftButton, inside + QPoint(40, 0), {inside - QPoint(40, 0)});
        const QColor screen = m_window->grab().toImage().pixelColor(inside);
        QVERIFY2(screen.red() < 60 && screen.blue() > 120, qPrintable(screen.name()));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_files.filePath("inked.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QSizeF(900, 541), QPageSize::Point), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        QVERIFY(app::PrintWorksheet(printer, Source()));
        Run("pdftoppm", {"-r", "72", "-png", "-singlefile", printer.outputFileName(), m_files.filePath("inked")});
        const QImage picture = app::WorksheetPicture(Source(), m_window->devicePixelRatio());
        const std::pair<const char*, QColor> inked[] = {
            {"svg", Draw(app::WorksheetSvg(Source())).pixelColor(inside)},
            {"png", picture.pixelColor(inside * 2)},
            {"pdf", QImage(m_files.filePath("inked.png")).pixelColor(inside)},
        };
        for (const auto& [format, colour] : inked) {
            const int off = std::max({std::abs(colour.red() - screen.red()), std::abs(colour.green() - screen.green()),
                                      std::abs(colour.blue() - screen.blue())});
            QVERIFY2(off <= 8, qPrintable(QStringLiteral("%1 %2, the window %3").arg(format, colour.name(), screen.name())));
        }
    }

    void printsOnePageWithTheFigureCentred()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_files.filePath("printed.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QVERIFY(app::PrintToFile(printer, Source())); // as the print dialog's "print to file" does

        const QString info = QString::fromUtf8(Run("pdfinfo", {printer.outputFileName()}));
        QVERIFY2(info.contains(QRegularExpression("^Pages: +1$", QRegularExpression::MultilineOption)), qPrintable(info));
        // At 72 dots per inch a pixel is a point: A4 is 595 x 842.
        Run("pdftoppm", {"-r", "72", "-png", "-singlefile", printer.outputFileName(), m_files.filePath("printed")});
        const QImage page(m_files.filePath("printed.png"));
        QCOMPARE(page.size(), QSize(595, 842));
        Keep(page, "page.png");
        QRect inked;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) < 250)
                    inked |= QRect(x, y, 1, 1);
            }
        }
        // The grid fills the figure, which is as wide as the page within its
        // margins, 180 mm: the lines at x = 0 and y = 0 are its edges (the
        // last row, y = 541, is just outside).
        const double figureWidth = 180 / 25.4 * 72;
        QVERIFY2(std::abs(inked.width() - figureWidth) <= 2, qPrintable(QString::number(inked.width())));
        QVERIFY2(std::abs(inked.center().x() + 0.5 - 595 / 2.0) <= 2, qPrintable(QString::number(inked.center().x())));
        QVERIFY2(std::abs(inked.center().y() + 0.5 - 842 / 2.0) <= 2, qPrintable(QString::number(inked.center().y())));
        QVERIFY2(std::abs(inked.height() - figureWidth * 541 / 900) <= 2, qPrintable(QString::number(inked.height())));
    }

    // Ctrl+S: the dialog ends a drag, the file is of the kind of its name,
    // and the next dialog opens where the last file went.
    void ctrlSSavesWhereTheDialogSays()
    {
        // Ended by the dialog, the drag is described as one the mouse ends.
        QTest::mouseClick(m_window->findChild<QCheckBox*>("Check2"), Qt::LeftButton);
        const QWidget* figure = m_window->findChild<QWidget*>("Figure");
        const QString before = figure->accessibleDescription();
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 300});
        for (int i = 1; i <= 16; ++i)
            QTest::mouseMove(m_window.get(), {600 + i, 300});
        QCOMPARE(figure->accessibleDescription(), before);
        QFileDialog* dialog = OpenSaveDialog();
        QCOMPARE(m_window->form().State().Dragging, 0);
        QCOMPARE(figure->accessibleDescription().toStdString(), app::ReadoutSummary(m_window->form().Controls()));
        QVERIFY(figure->accessibleDescription() != before);
        Type(dialog, m_files.filePath("saved.svg"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_files.filePath("saved.svg")), DeadlineMs);
        QFile svg(m_files.filePath("saved.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg "));

        dialog = OpenSaveDialog();
        QCOMPARE(QFileInfo(dialog->directory().absolutePath()), QFileInfo(m_files.path()));
        Type(dialog, "saved.png");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_files.filePath("saved.png")), DeadlineMs);
        QCOMPARE(QImage(m_files.filePath("saved.png")).size(), QSize(1800, 1082));

        // A name typed without its extension, or whose last dot starts none
        // that is written here, which then names a file that is there:
        // replaced only when the teacher says so.
        for (const QString typed : {"saved", "sankaku 1.5"}) {
            QFile saved(m_files.filePath(typed + ".png"));
            QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write("an earlier worksheet") > 0);
            saved.close();
            for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
                Type(OpenSaveDialog(), typed);
                QMessageBox* question = nullptr;
                QTRY_VERIFY_WITH_TIMEOUT((question = m_window->findChild<QMessageBox*>("replaceQuestion")), DeadlineMs);
                QVERIFY2(question->text().contains(typed + ".png"), qPrintable(question->text()));
                question->button(answer)->click();
                QTRY_VERIFY_WITH_TIMEOUT(!m_window->findChild<QMessageBox*>("replaceQuestion"), DeadlineMs);
                QCOMPARE(QImage(saved.fileName()).isNull(), answer == QMessageBox::No);
            }
        }

        // A folder that took no file is not offered again.
        m_window->findChild<app::WorksheetActions*>()->SaveTo("/proc/figure.svg");
        QMessageBox* box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((box = m_window->findChild<QMessageBox*>("worksheetMessage")), DeadlineMs);
        box->close();
        QCOMPARE(QFileInfo(OpenSaveDialog()->directory().absolutePath()), QFileInfo(m_files.path()));
    }

    void ctrlPOpensThePrintDialog()
    {
        QTest::keyClick(m_window.get(), Qt::Key_P, Qt::ControlModifier);
        QPrintDialog* dialog = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((dialog = m_window->findChild<QPrintDialog*>("printDialog")) && dialog->isVisible(),
                                 DeadlineMs);
        // The toolkit's dialog in Japanese, like every text on screen.
        QCOMPARE(dialog->windowTitle(), QStringLiteral("印刷"));
        // The page turned the way the figure is, as for a PDF.
        QCOMPARE(dialog->printer()->pageLayout().orientation(), QPageLayout::Landscape);
        // A tab of its own offers the figure, first, or a handout or its answers.
        for (int sheet = 0; sheet < 3; ++sheet) {
            const auto* option = dialog->findChild<QRadioButton*>(QString("printSheet%1").arg(sheet));
            QVERIFY(option);
            QCOMPARE(option->isChecked(), sheet == 0);
        }
        dialog->reject();
    }

private:
    app::WorksheetSource Source() const
    {
        return app::WorksheetSource{m_window->form().Controls(), m_metrics, &m_window->surfaceImage()};
    }

    // The SVG as rsvg-convert draws it, at its own size.
    QImage Draw(const std::string& svg)
    {
        QFile file(m_files.filePath("drawn.svg"));
        if (!file.open(QIODevice::WriteOnly) || file.write(svg.data(), qint64(svg.size())) != qint64(svg.size()))
            return {};
        file.close();
        return QImage::fromData(Run("rsvg-convert", {file.fileName()}), "PNG");
    }

    QFileDialog* OpenSaveDialog() { return ::OpenSaveDialog(*m_window); }

    // With ALTITUDE_KEEP_RENDERS naming a folder, what the test compared stays there.
    static void Keep(const QImage& image, const QString& name)
    {
        const QString folder = qEnvironmentVariable("ALTITUDE_KEEP_RENDERS");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            image.save(QDir(folder).filePath(name));
    }

    QTemporaryDir m_files;
    const qtcontrols::QtTextMetrics m_metrics;
    std::unique_ptr<Form1Window> m_window;
};

QTEST_MAIN(WorksheetTest)
#include "worksheet_test.moc"
