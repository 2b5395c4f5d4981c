#include "displaywatch.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

// A message the toolkit sent while the display was being opened. The context
// points at string literals, which outlive the program's run.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
bool opening = false;
QList<HeldMessage> held;

QString Variable(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// The plugins the toolkit has, as its last word on the failure lists them.
QString Available()
{
    static const QRegularExpression available(QStringLiteral("Available platform plugins are: ([^\n]*)\\."));
    for (const HeldMessage& message : held) {
        const QRegularExpressionMatch match = available.match(message.text);
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}

// What trying one platform plugin amounted to, in the user's terms.
QString Tried(const QString& plugin, bool found)
{
    if (!found) {
        const QString known = Available();
        return QStringLiteral("there is no platform plugin \"%1\"%2")
            .arg(plugin, known.isEmpty() ? QString() : QStringLiteral(" (there are %1)").arg(known));
    }
    if (plugin == QLatin1String("xcb")) {
        const QString display = Variable("DISPLAY");
        if (display.isEmpty())
            return QStringLiteral("no X display is named (DISPLAY is not set)");
        return QStringLiteral("no X server answers on the display \"%1\"").arg(display);
    }
    if (plugin.startsWith(QLatin1String("wayland"))) {
        const QString socket = Variable("WAYLAND_DISPLAY");
        return QStringLiteral("no Wayland compositor listens on \"%1\"")
            .arg(socket.isEmpty() ? QStringLiteral("wayland-0") : socket);
    }
    return QStringLiteral("the platform plugin \"%1\" could not start").arg(plugin);
}

const QRegularExpression& PluginMessage()
{
    static const QRegularExpression pluginMessage(
        QStringLiteral("Could not (load|find) the Qt platform plugin \"([^\"]*)\""));
    return pluginMessage;
}

// Reads the plugins the toolkit tried, in order, from its own messages.
QString WhatWasTried()
{
    QStringList tried;
    for (const HeldMessage& message : held) {
        const QRegularExpressionMatch match = PluginMessage().match(message.text);
        if (match.hasMatch())
            tried << Tried(match.captured(2), match.captured(1) == QLatin1String("load"));
    }
    if (tried.isEmpty())
        return QStringLiteral("the toolkit found no display to use");
    return tried.join(QLatin1String(", and "));
}

// The toolkit looked for its Wayland plugin, as it does in a Wayland
// session, and has none: Debian ships it apart, in qt6-wayland, which the
// package only recommends.
bool LacksWaylandPlugin(const QString& text)
{
    const QRegularExpressionMatch match = PluginMessage().match(text);
    return match.hasMatch() && match.captured(1) == QLatin1String("find")
        && match.captured(2).startsWith(QLatin1String("wayland"));
}

bool AnyLacksWaylandPlugin()
{
    return std::any_of(held.cbegin(), held.cend(),
                       [](const HeldMessage& message) { return LacksWaylandPlugin(message.text); });
}

// What to do about it: in a Wayland session, xvfb-run is no answer.
QString Advice()
{
    if (AnyLacksWaylandPlugin())
        return QStringLiteral("install the package qt6-wayland, the toolkit's Wayland plugin");
    return QStringLiteral("run it in a desktop session, or without a screen under 'xvfb-run -a altitude'");
}

[[noreturn]] void EndWith(const QString& line)
{
    std::fputs(qUtf8Printable(line), stderr);
    std::fflush(stderr);
    // Nothing is open that must be closed or saved, and the toolkit is in no
    // state to be taken down in order: leave at once, as the toolkit itself
    // would have.
    std::_Exit(1);
}

bool DisplayBroke(const QString& text)
{
    return text.startsWith(QLatin1String("The X11 connection broke"))
        || text.startsWith(QLatin1String("The Wayland connection broke"))
        || text.startsWith(QLatin1String("The Wayland connection experienced a fatal error"));
}

// Run from cron, ssh or a CI job there is often no XDG_RUNTIME_DIR, and the
// toolkit says so as it starts, on every run. The program keeps nothing
// there, so the notice tells the user nothing: a command that succeeds stays
// silent.
bool IsRuntimeFolderNotice(const QString& text)
{
    return text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (IsRuntimeFolderNotice(text))
        return;
    if (opening) {
        held.append({type, context.file, context.line, context.function, context.category, text});
        if (type == QtFatalMsg)
            EndWith(QStringLiteral("altitude: could not open a window: %1; %2\n").arg(WhatWasTried(), Advice()));
        return;
    }
    if (DisplayBroke(text))
        EndWith(QStringLiteral("altitude: the connection to the display broke (the X server or the"
                               " Wayland compositor went away); the window is gone\n"));
    previousHandler(type, context, text);
}

} // namespace

void WatchDisplay()
{
    opening = true;
    previousHandler = qInstallMessageHandler(Handle);
}

void DisplayOpened()
{
    opening = false;
    for (const HeldMessage& message : std::as_const(held)) {
        // The window opened all the same, through XWayland: blurred at a
        // fractional scale, and worth one line that says how to mend it.
        if (LacksWaylandPlugin(message.text)) {
            std::fputs("altitude: the toolkit's Wayland plugin is missing, so the window goes through X"
                       " (XWayland); install the package qt6-wayland for a native Wayland window\n",
                       stderr);
            continue;
        }
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        previousHandler(message.type, context, message.text);
    }
    held.clear();
    held.squeeze();
}

} // namespace app
