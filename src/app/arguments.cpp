#include "arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace app {

namespace {

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> HandleArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "三角形の直角の頂点から下ろした垂線 — the perpendicular dropped from the right-angle vertex of a\n"
        "triangle: drag the right-angle vertex along the semicircle and watch the altitude."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(name, parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(name, QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help'.\n")
                          .arg(name, parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}

} // namespace app
