#include "application.h"
#include "arguments.h"
#include "displaywatch.h"
#include "form1window.h"
#include "quitonsignal.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    app::PrepareToolkit();
    // A limit on file size (ulimit -f) fails a write with EFBIG, which every
    // writer here reports, instead of ending the program, and with it the
    // window and the teacher's memo: a print spooled to a file too.
    std::signal(SIGXFSZ, SIG_IGN);
    // A worksheet written from the command line shows no window.
    const bool exporting = app::AsksForExport(argc, argv);
    if (exporting) {
        if (const auto status = app::RefuseNameNotAsGiven(argc, argv))
            return *status;
        app::UseOffscreenPlatform();
    } else if (!app::HasDisplay(argc, argv)) {
        // --help, --version and a wrong argument need no window.
        QCoreApplication core(argc, argv);
        if (const auto status = app::HandleArguments(QCoreApplication::arguments()).Status)
            return *status;
        return app::RefuseWithoutDisplay();
    }

    app::WatchDisplay();
    QApplication application(argc, argv);
    app::DisplayOpened();
    const app::CommandLine command = app::HandleArguments(QCoreApplication::arguments());
    if (command.Status)
        return *command.Status;
    app::ConfigureApplication();
    if (command.Export)
        return app::RunExport(*command.Export);

    app::UseProgramIcon();
    app::Form1Window window;
    if (command.Open)
        window.OpenAt(*command.Open);
    app::CloseOnTerminationSignals(window);
    window.show();
    return application.exec();
}
