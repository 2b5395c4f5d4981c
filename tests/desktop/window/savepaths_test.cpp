#include "desktop/worksheet.h"
#include "desktop/worksheetactions.h"
#include "desktop/worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"

#include "support/openwindow.h"
#include "support/savedialog.h"

#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using app::Form1Window;

// The window's worksheets beyond a picture of the figure: a save that fails,
// which must say why and lose nothing, and the handout with its answers.
class SavePathsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_files.isValid()); }

    void init()
    {
        m_window = OpenWindow();
        QVERIFY2(m_window, "the window was not exposed");
    }
    void cleanup() { m_window.reset(); }

    void aFailedSaveSaysSoAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit"); // bytes a file may grow to; 0 for no limit, -1 for a read-only disk
        QTest::addColumn<bool>("earlier");  // a worksheet of that name is there: read-only, unless the disk is at fault
        QTest::addColumn<QString>("says");
        QTest::newRow("a folder of that name") << "folder.png" << 0 << false << "フォルダがある";
        QTest::newRow("no such folder") << "none/figure.svg" << 0 << false << "見つからない";
        QTest::newRow("no permission") << "/proc/figure.svg" << 0 << false << "権限がない";
        QTest::newRow("a read-only file") << "figure.svg" << 0 << true << "読み取り専用";
        for (const char* kind : {"svg", "pdf", "png"})
            QTest::newRow(kind) << QString("figure.%1").arg(kind) << 1024 << true << "ディスクがいっぱい";
        QTest::newRow("a read-only disk") << "disk/figure.svg" << -1 << true << "ディスクが読み取り専用のため";
        QTest::newRow("neither PNG nor SVG") << "figure.jpg" << 0 << false << ".png";
    }

    void aFailedSaveSaysSoAndLeavesNoFile()
    {
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        QFETCH(bool, earlier);
        QFETCH(QString, says);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder.png") && QDir(folder.path()).mkdir("disk"));
        const QString disk = folder.filePath("disk");
        if (sizeLimit < 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", disk}) != 0)
            QSKIP("no tmpfs may be mounted here (as root, it may): a read-only disk is not tried");
        const auto unmount = qScopeGuard([&] {
            if (sizeLimit < 0)
                QProcess::execute("umount", {disk});
        });
        const QString path = name.startsWith('/') ? name : folder.filePath(name);
        const QByteArray earlierBytes = "an earlier worksheet";
        QFile earlierFile(path);
        QVERIFY(!earlier || (earlierFile.open(QIODevice::WriteOnly) && earlierFile.write(earlierBytes) > 0));
        earlierFile.close();
        if (earlier && !sizeLimit)
            earlierFile.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (sizeLimit < 0)
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", disk}), 0);
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
        // A memo on the figure, which the window keeps whatever the save met.
        QTest::mouseClick(m_window->findChild<QRadioButton*>("Option1_1"), Qt::LeftButton);
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, {600, 100});
        QTest::mouseMove(m_window.get(), {700, 100});
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, {700, 100});

        auto* worksheets = m_window->findChild<app::WorksheetActions*>();
        QVERIFY(worksheets);
        if (sizeLimit > 0) {
            // Going past the limit fails the write, as a full disk does,
            // rather than ending the process, which nothing here helps by
            // ignoring SIGXFSZ.
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = rlim_t(sizeLimit);
            setrlimit(RLIMIT_FSIZE, &small);
            worksheets->SaveTo(path);
            setrlimit(RLIMIT_FSIZE, &saved);
        } else {
            worksheets->SaveTo(path);
        }

        QMessageBox* box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((box = m_window->findChild<QMessageBox*>("worksheetMessage")) && box->isVisible(),
                                 DeadlineMs);
        QVERIFY2(box->text().contains(says) && box->text().contains(QDir::toNativeSeparators(path)),
                 qPrintable(box->text()));
        QCOMPARE(box->text().contains("元のファイルは変わっていません"), earlier);
        QCOMPARE(box->windowTitle(), QStringLiteral("保存できませんでした"));
        box->close();
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(earlier ? earlierFile.open(QIODevice::ReadOnly) && earlierFile.readAll() == earlierBytes
                        : !QFileInfo(path).isFile());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->grab().toImage().pixelColor(650, 100), QColor(0, 0, 192));
    }

    // A handout for the window's A, and its answers, from the save dialog's
    // kinds; printed to a file, an upright A4 page whatever the figure's.
    void savesAndPrintsTheHandoutForTheWindowsA()
    {
        for (int i = 0; i < 44; ++i)
            QTest::keyClick(m_window.get(), Qt::Key_PageDown);
        QCOMPARE(m_window->form().State().AngleA, 30);
        QFileDialog* dialog = OpenSaveDialog(*m_window);
        dialog->selectNameFilter(dialog->nameFilters().value(2));
        Type(dialog, m_files.filePath("handout"));
        const QString handout = m_files.filePath("handout.pdf");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(handout), DeadlineMs);
        QVERIFY(Run("pdfinfo", {handout}).contains("595 x 842 pts (A4)"));
        const QString text = QString::fromUtf8(Run("pdftotext", {handout, "-"}));
        QVERIFY2(text.contains("名前") && text.contains("4.7cm") && !text.contains("23.5"), qPrintable(text));

        dialog = OpenSaveDialog(*m_window);
        dialog->selectNameFilter(dialog->nameFilters().value(3));
        Type(dialog, m_files.filePath("answers.svg"));
        QFile answers(m_files.filePath("answers.svg"));
        QTRY_VERIFY_WITH_TIMEOUT(answers.exists(), DeadlineMs);
        QVERIFY(answers.open(QIODevice::ReadOnly) && answers.readAll().contains(">23.5</text>"));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_files.filePath("printed-handout.pdf"));
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
        const app::Handout sheet = app::MakeHandout({30, false, false}, &m_metrics);
        app::WorksheetSource source = Source();
        source.Sheet = &sheet;
        QVERIFY(app::PrintToFile(printer, source));
        QVERIFY(Run("pdfinfo", {printer.outputFileName()}).contains("595 x 842 pts (A4)"));
    }

private:
    app::WorksheetSource Source() const
    {
        return app::WorksheetSource{m_window->form().Controls(), m_metrics, &m_window->surfaceImage()};
    }

    QTemporaryDir m_files;
    const qtcontrols::QtTextMetrics m_metrics;
    std::unique_ptr<Form1Window> m_window;
};

QTEST_MAIN(SavePathsTest)
#include "savepaths_test.moc"
