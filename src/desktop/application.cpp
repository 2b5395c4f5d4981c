#include "application.h"

#include "desktop/controls/qtconvert.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

bool ChoosesPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return IsSet("QT_QPA_PLATFORM");
}

} // namespace

bool HasDisplay(int argc, char** argv)
{
    return ChoosesPlatform(argc, argv) || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

int RefuseWithoutDisplay()
{
    std::fputs("altitude: could not open a window: no display is named (DISPLAY and WAYLAND_DISPLAY are"
               " not set); run it in a desktop session, or without a screen under 'xvfb-run -a altitude'\n",
               stderr);
    return 1;
}

void UseOffscreenPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void PrepareToolkit()
{
    // Without a session bus the toolkit would try to start one (dbus-launch
    // --autolaunch): a daemon, and files, that a program which writes nothing
    // has no business creating. It costs start-up time besides.
    if (!IsSet("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    QCoreApplication::setApplicationName(QStringLiteral("altitude"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALTITUDE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
}

void ConfigureApplication()
{
    // Every mouse move turns A by a degree, so none may be merged into the
    // next. The X11 platform turns merging on as it loads, whatever was set
    // before, so this must come after the application object exists.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);

    // The check boxes and option buttons are only 17 pixels high; Fusion fits
    // them on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    qtcontrols::InstallFontSubstitutes();
}

} // namespace app
