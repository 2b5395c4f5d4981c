#include "worksheetactions.h"

#include "failuretext.h"
#include "form1window.h"
#include "worksheet.h"
#include "worksheetfile.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStandardPaths>
#include <QTranslator>

namespace app {

namespace {

const QString PngFilter = QStringLiteral("PNG 画像 (*.png)");
const QString SvgFilter = QStringLiteral("SVG 図形 (*.svg)");

// The toolkit's own dialogs - the print dialog, the file dialog's views and
// menus, a message box's buttons - speak English unless given the toolkit's
// Japanese translation. It is loaded when the first dialog opens, so that
// start-up never pays for it; without it the dialogs still work, in English.
void SpeakJapanese()
{
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QString FirstFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

WorksheetActions::WorksheetActions(Form1Window& window)
    : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("worksheets"));
    auto* save = new QShortcut(QKeySequence::Save, &window);
    connect(save, &QShortcut::activated, this, &WorksheetActions::Save);
    auto* print = new QShortcut(QKeySequence::Print, &window);
    connect(print, &QShortcut::activated, this, &WorksheetActions::Print);
}

WorksheetActions::~WorksheetActions() = default;

WorksheetSource WorksheetActions::Source() const
{
    return WorksheetSource{m_window.form().Controls(), m_metrics, &m_window.surfaceImage()};
}

void WorksheetActions::Save()
{
    m_window.EndDrag();
    SpeakJapanese();
    if (m_lastFolder.isEmpty())
        m_lastFolder = FirstFolder();
    auto* dialog = new QFileDialog(&m_window, QStringLiteral("図を保存"),
                                   QDir(m_lastFolder).filePath(QStringLiteral("三角形の垂線.png")),
                                   PngFilter + QStringLiteral(";;") + SvgFilter);
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog speaks English unless told; a desktop's
    // native one speaks the desktop's language anyway.
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("場所:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("種類:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    // The extension of a name typed without one is added here, not by the
    // dialog: only here is it known that the dialog never asked about the
    // name with it (GTK's asks about the name as typed).
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog](const QString& fileName) {
        Chosen(fileName, dialog->selectedNameFilter() == SvgFilter ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    dialog->open();
}

// A name without an extension of a kind written here takes that of the
// chosen kind, after whatever dots it has ("sankaku 1.5" becomes
// "sankaku 1.5.png"); a file that name then meets is replaced only when the
// teacher says so, as the dialog would have asked about a name returned
// with its extension.
void WorksheetActions::Chosen(const QString& fileName, const QString& suffix)
{
    if (FormatOf(fileName)) {
        SaveTo(fileName);
        return;
    }
    const QString named = fileName + (fileName.endsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix);
    const QFileInfo existing(named);
    if (!existing.exists() || existing.isDir()) {
        SaveTo(named);
        return;
    }
    QMessageBox* box = Message(QMessageBox::Warning, QStringLiteral("図を保存"),
                               QStringLiteral("「%1」は既にあります。上書きしますか？").arg(ShownName(QDir::toNativeSeparators(named))),
                               QMessageBox::Yes | QMessageBox::No);
    box->setObjectName(QStringLiteral("replaceQuestion"));
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::buttonClicked, this, [this, box, named](QAbstractButton* button) {
        if (box->standardButton(button) == QMessageBox::Yes)
            SaveTo(named);
    });
    box->open();
}

void WorksheetActions::SaveTo(const QString& fileName)
{
    const WriteResult result = WriteWorksheet(fileName, Source(), m_window.devicePixelRatio());
    if (!result) {
        Tell(QStringLiteral("保存できませんでした"), DescribeFailure(result, fileName, Audience::Window));
        return;
    }
    // Only a folder that took the file is worth opening again.
    m_lastFolder = QFileInfo(fileName).absolutePath();
}

void WorksheetActions::Print()
{
    m_window.EndDrag();
    SpeakJapanese();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The page is turned the way the figure is, as for a PDF, until the
    // teacher turns it otherwise in the dialog; that choice then holds for
    // the rest of the run.
    if (!m_orientationChosen)
        m_printer->setPageOrientation(PageOrientation(m_window.form().Controls().Form1));
    m_offeredOrientation = m_printer->pageLayout().orientation();
    m_printer->setDocName(QStringLiteral("三角形の直角の頂点から下ろした垂線"));
    auto* dialog = new QPrintDialog(m_printer.get(), &m_window);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        m_orientationChosen = m_orientationChosen || m_printer->pageLayout().orientation() != m_offeredOrientation;
        const QString title = QStringLiteral("印刷できませんでした");
        // Printed to a file, the page is written as a saved worksheet is:
        // whole or not at all.
        if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty()) {
            const WriteResult result = PrintToFile(*m_printer, Source());
            if (!result)
                Tell(title, DescribeFailure(result, m_printer->outputFileName(), Audience::Window));
        } else if (!PrintWorksheet(*m_printer, Source())) {
            Tell(title, QStringLiteral("プリンタを使えなかったため、印刷できませんでした。"));
        }
    });
    dialog->open();
}

QMessageBox* WorksheetActions::Message(QMessageBox::Icon icon, const QString& title, const QString& text,
                                      QMessageBox::StandardButtons buttons)
{
    SpeakJapanese();
    auto* box = new QMessageBox(icon, title, text, buttons, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void WorksheetActions::Tell(const QString& title, const QString& text)
{
    QMessageBox* box = Message(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box->setObjectName(QStringLiteral("worksheetMessage"));
    box->open();
}

} // namespace app
