#pragma once

#include "desktop/controls/qttextmetrics.h"
#include "form/handout.h"

#include <QMessageBox>
#include <QObject>
#include <QPageLayout>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace app {

class Form1Window;
struct WorksheetSource;

// What a worksheet shows: the figure as it is in the window, or a handout
// for the class at the window's A, or that handout's answer sheet.
enum class SheetChoice { Figure, Handout, Answers };

// The window's worksheets: Ctrl+S saves the figure as a PNG picture or an
// SVG drawing, or a handout, Ctrl+P prints either. The dialogs and messages
// are window-modal and do not hold up the event loop. The folder last saved
// to is kept for the rest of the run, and nowhere else: the program writes
// no settings.
class WorksheetActions : public QObject {
    Q_OBJECT

public:
    explicit WorksheetActions(Form1Window& window);
    ~WorksheetActions() override;

    // Opens the save dialog.
    void Save();
    // Writes the figure, or the sheet chosen, to `fileName`, of the kind its
    // extension names; says in a message box why, if it could not.
    void SaveTo(const QString& fileName, SheetChoice sheet = SheetChoice::Figure);

    // Opens the print dialog, and prints when it is accepted.
    void Print();

private:
    [[nodiscard]] WorksheetSource Source() const;
    [[nodiscard]] std::optional<Handout> HandoutFor(SheetChoice sheet) const;
    // The save dialog's answer: a name, and the extension of the kind chosen.
    void Chosen(const QString& fileName, const QString& suffix, SheetChoice sheet);
    [[nodiscard]] QWidget* SheetTab();
    QMessageBox* Message(QMessageBox::Icon icon, const QString& title, const QString& text,
                         QMessageBox::StandardButtons buttons);
    void Tell(const QString& title, const QString& text);

    Form1Window& m_window;
    qtcontrols::QtTextMetrics m_metrics;
    QString m_lastFolder; // empty until the first save dialog
    std::unique_ptr<QPrinter> m_printer; // keeps the chosen printer and its settings
    QPageLayout::Orientation m_offeredOrientation = QPageLayout::Landscape;
    bool m_orientationChosen = false; // the teacher turned the page in the print dialog
    SheetChoice m_printSheet = SheetChoice::Figure; // as last chosen in the print dialog
};

} // namespace app
