#include "application.h"
#include "arguments.h"
#include "displaywatch.h"
#include "form1window.h"
#include "quitonsignal.h"

#include <QApplication>

int main(int argc, char** argv)
{
    app::PrepareToolkit();
    if (!app::HasDisplay(argc, argv)) {
        // --help, --version and a wrong argument need no window.
        QCoreApplication core(argc, argv);
        if (const auto status = app::HandleArguments(QCoreApplication::arguments()))
            return *status;
        return app::RefuseWithoutDisplay();
    }

    app::WatchDisplay();
    QApplication application(argc, argv);
    app::DisplayOpened();
    if (const auto status = app::HandleArguments(QCoreApplication::arguments()))
        return *status;
    app::ConfigureApplication();

    app::Form1Window window;
    app::CloseOnTerminationSignals(window);
    window.show();
    return application.exec();
}
