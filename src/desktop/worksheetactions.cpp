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
#include <QRadioButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTranslator>
#include <QVBoxLayout>

#include <utility>

namespace app {

namespace {

const QString PngFilter = QStringLiteral("PNG 画像 (*.png)");
const QString SvgFilter = QStringLiteral("SVG 図形 (*.svg)");
// A handout in any of the three kinds, a PDF unless the name says otherwise.
const QString HandoutFilter = QStringLiteral("プリント (*.pdf *.png *.svg)");
const QString AnswersFilter = QStringLiteral("プリントの解答 (*.pdf *.png *.svg)");

SheetChoice SheetOf(const QString& filter)
{
    return filter == HandoutFilter ? SheetChoice::Handout
        : filter == AnswersFilter  ? SheetChoice::Answers
                                   : SheetChoice::Figure;
}

QString SuffixOf(const QString& filter)
{
    if (SheetOf(filter) != SheetChoice::Figure)
        return QStringLiteral("pdf");
    return filter == SvgFilter ? QStringLiteral("svg") : QStringLiteral("png");
}

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

// A handout is made for the A the window shows, whatever else it shows.
std::optional<Handout> WorksheetActions::HandoutFor(SheetChoice sheet) const
{
    if (sheet == SheetChoice::Figure)
        return std::nullopt;
    return MakeHandout({m_window.form().State().AngleA, sheet == SheetChoice::Answers, false}, &m_metrics);
}

void WorksheetActions::Save()
{
    m_window.EndDrag();
    SpeakJapanese();
    if (m_lastFolder.isEmpty())
        m_lastFolder = FirstFolder();
    auto* dialog = new QFileDialog(&m_window, QStringLiteral("図を保存"),
                                   QDir(m_lastFolder).filePath(QStringLiteral("三角形の垂線.png")),
                                   QStringList{PngFilter, SvgFilter, HandoutFilter, AnswersFilter}
                                       .join(QStringLiteral(";;")));
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
        const QString filter = dialog->selectedNameFilter();
        Chosen(fileName, SuffixOf(filter), SheetOf(filter));
    });
    dialog->open();
}

// A name without an extension of a kind written here takes that of the
// chosen kind, after whatever dots it has ("sankaku 1.5" becomes
// "sankaku 1.5.png"); a file that name then meets is replaced only when the
// teacher says so, as the dialog would have asked about a name returned
// with its extension.
void WorksheetActions::Chosen(const QString& fileName, const QString& suffix, SheetChoice sheet)
{
    if (FormatOf(fileName)) {
        SaveTo(fileName, sheet);
        return;
    }
    const QString named = fileName + (fileName.endsWith(QLatin1Char('.')) ? suffix : QLatin1Char('.') + suffix);
    const QFileInfo existing(named);
    if (!existing.exists() || existing.isDir()) {
        SaveTo(named, sheet);
        return;
    }
    QMessageBox* box = Message(QMessageBox::Warning, QStringLiteral("図を保存"),
                               QStringLiteral("「%1」は既にあります。上書きしますか？").arg(ShownName(QDir::toNativeSeparators(named))),
                               QMessageBox::Yes | QMessageBox::No);
    box->setObjectName(QStringLiteral("replaceQuestion"));
    box->setDefaultButton(QMessageBox::No);
    connect(box, &QMessageBox::buttonClicked, this, [this, box, named, sheet](QAbstractButton* button) {
        if (box->standardButton(button) == QMessageBox::Yes)
            SaveTo(named, sheet);
    });
    box->open();
}

void WorksheetActions::SaveTo(const QString& fileName, SheetChoice sheet)
{
    const std::optional<Handout> handout = HandoutFor(sheet);
    WorksheetSource source = Source();
    source.Sheet = handout ? &*handout : nullptr;
    const WriteResult result = WriteWorksheet(fileName, source, m_window.devicePixelRatio());
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
    dialog->setOptionTabs({SheetTab()});
    connect(dialog, &QDialog::accepted, this, [this] {
        m_orientationChosen = m_orientationChosen || m_printer->pageLayout().orientation() != m_offeredOrientation;
        const std::optional<Handout> handout = HandoutFor(m_printSheet);
        WorksheetSource source = Source();
        source.Sheet = handout ? &*handout : nullptr;
        const QString title = QStringLiteral("印刷できませんでした");
        // Printed to a file, the page is written as a saved worksheet is:
        // whole or not at all.
        if (m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty()) {
            const WriteResult result = PrintToFile(*m_printer, source);
            if (!result)
                Tell(title, DescribeFailure(result, m_printer->outputFileName(), Audience::Window));
        } else if (!PrintWorksheet(*m_printer, source)) {
            Tell(title, QStringLiteral("プリンタを使えなかったため、印刷できませんでした。"));
        }
    });
    dialog->open();
}

// The print dialog's tab 「印刷するもの」: the figure, a handout or its
// answers, as last chosen.
QWidget* WorksheetActions::SheetTab()
{
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("printSheet"));
    tab->setWindowTitle(QStringLiteral("印刷するもの"));
    auto* layout = new QVBoxLayout(tab);
    const std::pair<SheetChoice, QString> choices[] = {{SheetChoice::Figure, QStringLiteral("図")},
                                                       {SheetChoice::Handout, QStringLiteral("プリント")},
                                                       {SheetChoice::Answers, QStringLiteral("プリントの解答")}};
    for (const auto& [sheet, caption] : choices) {
        auto* option = new QRadioButton(caption, tab);
        option->setObjectName(QStringLiteral("printSheet%1").arg(int(sheet)));
        option->setChecked(sheet == m_printSheet);
        connect(option, &QRadioButton::toggled, this, [this, sheet](bool on) {
            if (on)
                m_printSheet = sheet;
        });
        layout->addWidget(option);
    }
    layout->addStretch();
    return tab;
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
