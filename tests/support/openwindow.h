#pragma once

#include "desktop/application.h"
#include "desktop/form1window.h"

#include "support/deadline.h"

#include <QList>
#include <QPoint>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The window as the program opens it: the toolkit configured as the program
// does (once per run), the window created, shown and exposed. Null when it
// was not exposed before the deadline.
inline std::unique_ptr<app::Form1Window> OpenWindow()
{
    static const bool configured = [] {
        app::ConfigureApplication();
        return true;
    }();
    Q_UNUSED(configured);
    auto window = std::make_unique<app::Form1Window>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get(), DeadlineMs))
        return nullptr;
    return window;
}

// The window's ForeColor, in which memo strokes are drawn.
inline const QColor MemoBlue(0, 0, 192);

// Memo mode, chosen by a click on its option button.
inline void ChooseMemo(app::Form1Window& window)
{
    QTest::mouseClick(window.findChild<QRadioButton*>(QStringLiteral("Option1_1")), Qt::LeftButton);
}

// Drags with real mouse events: press, the moves, release.
inline void Drag(QWidget& window, Qt::MouseButton button, QPoint from, const QList<QPoint>& path)
{
    QTest::mousePress(&window, button, {}, from);
    for (const QPoint& to : path)
        QTest::mouseMove(&window, to);
    QTest::mouseRelease(&window, button, {}, path.isEmpty() ? from : path.last());
}

// The memo pixels of the surface within `area`, in the surface's own pixels.
inline int CountMemoPixels(const QImage& surface, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += surface.pixelColor(x, y) == MemoBlue;
    }
    return count;
}

inline int CountMemoPixels(const app::Form1Window& window, const QRect& area)
{
    return CountMemoPixels(window.surfaceImage(), area);
}
