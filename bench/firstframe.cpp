// Starts exactly as the program does and quits as soon as the window has
// painted its first frame, so that a benchmark can time start-up as a whole.

#include "app/application.h"
#include "app/form1window.h"

#include <QApplication>
#include <QEvent>

namespace {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Quits once the paint event now arriving has been handled.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    app::PrepareToolkit();
    QApplication application(argc, argv);
    app::ConfigureApplication();

    app::Form1Window window;
    FirstFrame firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    return application.exec();
}
