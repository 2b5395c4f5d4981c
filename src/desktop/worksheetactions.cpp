#include "worksheetactions.h"

#include "form1window.h"
#include "worksheet.h"
#include "worksheetfile.h"

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

// Why a file was not written, in the words of the window.
QString Explain(const WriteResult& result, const QString& fileName)
{
    const QString name = QDir::toNativeSeparators(fileName);
    switch (result.Failure) {
    case WriteFailure::None:
        break;
    case WriteFailure::UnknownKind:
        return QStringLiteral("「%1」には保存できません。名前の終わりを .png（画像）か .svg（図形）にしてください。").arg(name);
    case WriteFailure::Folder:
        return QStringLiteral("「%1」という名前のフォルダがあるため、保存できませんでした。別の名前を選んでください。").arg(name);
    case WriteFailure::NoFolder:
        return QStringLiteral("保存先のフォルダ「%1」が見つからないため、保存できませんでした。")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()));
    case WriteFailure::NotPermitted:
        return QStringLiteral("フォルダ「%1」にはファイルを作れないため（書き込む権限がないなど）、保存できませんでした。"
                              "別の場所を選んでください。")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()));
    case WriteFailure::WriteFailed:
        return QStringLiteral("「%1」への書き込みが途中で失敗したため、保存できませんでした。"
                              "ディスクの空きが足りないかもしれません。")
            .arg(name);
    case WriteFailure::TooLarge:
        return QStringLiteral("図が大きすぎて画像にできませんでした。SVG 図形で保存してください。");
    }
    return {};
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
    // A name typed without an extension takes that of the chosen kind.
    dialog->setDefaultSuffix(QStringLiteral("png"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter == SvgFilter ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    connect(dialog, &QFileDialog::fileSelected, this, &WorksheetActions::SaveTo);
    dialog->open();
}

void WorksheetActions::SaveTo(const QString& fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (QFileInfo(folder).isDir())
        m_lastFolder = folder;
    const WriteResult result = WriteWorksheet(fileName, Source(), m_window.devicePixelRatio());
    if (!result)
        Tell(QStringLiteral("保存できませんでした"), Explain(result, fileName));
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
        if (!PrintWorksheet(*m_printer, Source()))
            Tell(QStringLiteral("印刷できませんでした"), QStringLiteral("プリンタを使えなかったため、印刷できませんでした。"));
    });
    dialog->open();
}

void WorksheetActions::Tell(const QString& title, const QString& text)
{
    SpeakJapanese();
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, &m_window);
    box->setObjectName(QStringLiteral("worksheetMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace app
