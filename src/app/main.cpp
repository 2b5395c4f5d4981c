#include "application.h"
#include "form1window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const auto refused = app::RefuseWithoutDisplay(argc, argv))
        return *refused;
    app::PrepareToolkit();
    QApplication application(argc, argv);
    app::ConfigureApplication();

    app::Form1Window window;
    window.show();
    return application.exec();
}
