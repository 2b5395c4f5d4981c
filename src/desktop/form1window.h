#pragma once

#include "form/form1.h"

#include "controls/layerdamage.h"
#include "desktop/controls/backgroundimage.h"
#include "desktop/controls/damageregion.h"
#include "desktop/controls/qttextmetrics.h"
#include "desktop/controls/repaintpacer.h"
#include "desktop/controls/surfaceimage.h"

#include <QWidget>

#include <memory>
#include <span>
#include <string>

class QCheckBox;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class QRadioButton;

namespace qtcontrols {
class OptionGroup;
} // namespace qtcontrols

namespace app {

class FigureWidget;
class LessonStepButtons;

// The window on screen. It paints the surface and the middle layer that
// Form1 holds, hosts the buttons as toolkit widgets, and turns the toolkit's
// events into Form1's handlers. Its client area is Form1's scale, in pixels.
class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(QWidget* parent = nullptr);
    ~Form1Window() override;

    [[nodiscard]] Form1& form() { return m_form; }
    [[nodiscard]] const Form1& form() const { return m_form; }

    // The surface with the memo strokes, as the window shows it beneath the figure.
    [[nodiscard]] const QImage& surfaceImage() const { return m_surface.Image(); }

    // Ends a drag as a release of the mouse does, for whatever takes the
    // mouse away in the middle of one (a dialog): the description follows.
    void EndDrag();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateButtons();
    void ConnectButtons();
    void ConnectFigure();

    // Gives Form1 the client area as it now is and runs Form_Resize.
    void ResizeForm();
    // The window is on another screen, maybe of another scale.
    void ScreenChanged();

    // Whether a visible label lies under a point: a press there is the
    // label's, and the window sees nothing of it until every button is up.
    [[nodiscard]] bool LabelAt(QPointF point) const;

    // Runs Form1's key handler; returns whether the key was the figure's.
    bool KeyDown(int KeyCode, int Shift, bool repeated);
    void KeyUp();

    // Runs a handler of Form1, then repaints whatever it changed.
    template <typename Handler>
    void Handle(Handler&& handler);

    // Keeps the figure's description, which a screen reader speaks, in step
    // with the read-outs the class can see and the lesson's panel.
    void DescribeLengths();

    // Lays the memo strokes over the lesson's panel, within `area`.
    void PaintBack(QPainter& painter, const QRegion& area, std::span<const controls::LayerItem> items) const;
    void PaintMemoOverLesson(QPainter& painter, const QRegion& area) const;

    // The client area as the class sees it, without the keyboard focus frame.
    [[nodiscard]] QImage Picture();

    // Ctrl+C: the picture, for worksheets.
    void CopyToClipboard();

    qtcontrols::QtTextMetrics m_metrics;
    qtcontrols::RepaintPacer m_pacer{*this};
    qtcontrols::SurfaceImage m_surface{*this, m_pacer};
    Form1 m_form;
    controls::LayerDamage m_layer;         // the figure's controls as last painted
    qtcontrols::DamageRegion m_damage;     // where they changed since, in front
    qtcontrols::DamageRegion m_backDamage; // and at the back
    qtcontrols::BackgroundImage m_background;
    bool m_pressOnLabel = false;
    // While a key repeats, like during a drag, the description waits for the end.
    bool m_keyRepeating = false;
    bool m_paintFocusFrame = true;
    std::string m_description;

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
