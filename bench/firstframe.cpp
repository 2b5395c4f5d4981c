// Starts exactly as the program does and quits as soon as the window has
// painted its first frame, so that a benchmark can time start-up as a whole.
// With ALTITUDE_FIRSTFRAME_FD set, it also writes one byte to that file
// descriptor the moment the frame is painted, so the time to exit is not
// counted.

#include "desktop/application.h"
#include "desktop/form1window.h"

#include <QApplication>
#include <QEvent>

#include <unistd.h>

namespace {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Reports and quits once the paint event now arriving has been
        // handled and the frame is on its way to the screen.
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    bool ok = false;
                    const int fd = qEnvironmentVariableIntValue("ALTITUDE_FIRSTFRAME_FD", &ok);
                    if (ok)
                        [[maybe_unused]] const auto written = write(fd, "1", 1);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
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
