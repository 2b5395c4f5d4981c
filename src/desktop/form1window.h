#pragma once

#include "form/form1.h"
#include "form/worksheetpose.h"

#include "desktop/controls/qttextmetrics.h"
#include "desktop/controls/repaintpacer.h"
#include "desktop/controls/surfaceimage.h"
#include "windowpainting.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace qtcontrols {
class OptionGroup;
} // namespace qtcontrols

namespace app {

class FigureWidget;
class PopupMenu;
class WindowInput;
class WorksheetActions;
class LessonStepButtons;

// The window on screen. It paints the surface and the layer that Form1
// holds (windowpainting.h), hosts the buttons as toolkit widgets, and turns
// the toolkit's events into Form1's handlers (windowinput.h). Its client
// area is Form1's scale, in pixels.
class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(QWidget* parent = nullptr);
    ~Form1Window() override;

    [[nodiscard]] Form1& form() { return m_form; }
    [[nodiscard]] const Form1& form() const { return m_form; }
    [[nodiscard]] FigureWidget& figureWidget() { return *m_figure; }

    // The surface with the memo strokes, as the window shows it beneath the figure.
    [[nodiscard]] const QImage& surfaceImage() const { return m_surface.Image(); }

    // Opens the window at a pose (the command line's --angle, --lengths,
    // --no-grid and --lesson): applied once, after the first resize that
    // gives the window a client area, which would otherwise put A back at 74.
    void OpenAt(const WorksheetPose& pose) { m_opening = pose; }

    // Runs a handler of Form1, then repaints whatever it changed, keeps
    // the description and the buttons in step, and says so (handled()).
    template <typename Handler>
    void Handle(Handler&& handler)
    {
        handler();
        Handled();
    }

    // Ends a drag as a release of the mouse does, for whatever takes the
    // mouse away in the middle of one (a dialog): the description follows.
    void EndDrag();

    // Whether a visible label of the window's design lies under a point: a
    // press there is the label's, and the figure sees nothing of it until
    // every button is up.
    [[nodiscard]] bool DesignedLabelAt(QPointF point) const;

    // Keeps the figure's description, which a screen reader speaks, in step
    // with the read-outs the class can see, the lesson's panel and the list
    // of keys; a drag or a held key is described where it ends.
    void DescribeFigure();

signals:
    // After every handler of Form1 the window ran: what stands over the
    // figure as child widgets follows Form1's controls from here.
    void handled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateButtons();
    void ConnectButtons();
    void ConnectFigure();
    // The buttons show the values Form1 holds, after a pose has set them.
    void ShowButtonValues();
    void Handled();

    // Gives Form1 the client area as it now is and runs Form_Resize.
    void ResizeForm();
    // The window is on another screen, maybe of another scale.
    void ScreenChanged();

    // The client area as the class sees it, without the keyboard focus frame.
    [[nodiscard]] QImage Picture();

    // Ctrl+C: the picture, for worksheets.
    void CopyToClipboard();

    qtcontrols::QtTextMetrics m_metrics;
    qtcontrols::RepaintPacer m_pacer{*this};
    qtcontrols::SurfaceImage m_surface{*this, m_pacer};
    Form1 m_form;
    WindowPainting m_painting{m_form, m_surface};
    std::optional<WorksheetPose> m_opening;
    std::string m_description;

    WindowInput* m_input = nullptr;
    WorksheetActions* m_worksheets = nullptr;
    PopupMenu* m_menu = nullptr;
    FigureWidget* m_figure = nullptr;
    std::unique_ptr<LessonStepButtons> m_lessonSteps;
    qtcontrols::OptionGroup* m_option1Group = nullptr;
    QPushButton* m_command1 = nullptr;
    QRadioButton* m_option1[2] = {};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QCheckBox* m_check4 = nullptr;
};

} // namespace app
