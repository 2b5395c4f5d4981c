// The floor the window's drag is measured against: a bare Qt widget of the
// window's size that, on every mouse move, repaints a 16 x 16 square where
// the pointer is and nothing else. What it costs per move is the toolkit's
// and the X server's share of any move that paints: the event, the paint
// event and the copy of the changed pixels to the screen.
//   altitude_qtfloor [WIDTH HEIGHT]

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class Floor final : public QWidget {
protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_square = QRect(event->position().toPoint() - QPoint(8, 8), QSize(16, 16));
        m_even = !m_even;
        update(m_square);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.fillRect(m_square, m_even ? Qt::red : Qt::blue);
    }

private:
    QRect m_square;
    bool m_even = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // As the program does: every move is handled, none merged into the next.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    Floor floor;
    floor.setWindowTitle(QStringLiteral("altitude_qtfloor"));
    floor.setAttribute(Qt::WA_OpaquePaintEvent);
    floor.setAutoFillBackground(false);
    const QStringList arguments = QCoreApplication::arguments();
    floor.resize(arguments.size() > 2 ? arguments[1].toInt() : 900, arguments.size() > 2 ? arguments[2].toInt() : 541);
    floor.show();
    return application.exec();
}
