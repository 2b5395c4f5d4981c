#include "application.h"

#include "desktop/controls/qtconvert.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

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

// Where libdbus looks for the session bus when no address is given, as
// systemd sessions and many launchers expect it to: a socket of this user's
// at $XDG_RUNTIME_DIR/bus.
bool HasSessionBusSocket()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || *runtime != '/')
        return false;
    const std::string socket = std::string(runtime) + "/bus";
    struct stat status {};
    return ::stat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == ::getuid();
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
    // has no business creating. It costs start-up time besides. A bus that
    // libdbus finds by itself, at its usual socket, is no such case: screen
    // readers reach the program through it.
    if (!IsSet("DBUS_SESSION_BUS_ADDRESS") && !HasSessionBusSocket())
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

void UseProgramIcon()
{
    // X11 window managers (Xfce, MATE, LXQt, ...) show the icon the window
    // carries in _NET_WM_ICON in its title bar, task bar and Alt+Tab. A
    // Wayland compositor takes none from the window: it finds the desktop
    // entry by the desktop file name, and the icon that entry names.
    const QString id = QString::fromLatin1(ApplicationId);
    QApplication::setWindowIcon(QIcon::fromTheme(id, QIcon(QStringLiteral(":/icons/%1.png").arg(id))));
}

} // namespace app
