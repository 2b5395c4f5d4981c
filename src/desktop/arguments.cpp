#include "arguments.h"

#include "failuretext.h"
#include "worksheet.h"

#include "form/form1.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSize>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace app {

namespace {

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The largest client area an export is built for, each way: room for a 4K
// screen and some, and the picture, at twice that, stays within a few
// hundred megabytes.
constexpr int LargestSide = 4096;

struct ExportOptions {
    QCommandLineOption file{QStringLiteral("export"),
                            QStringLiteral("Write the figure to <file> and open no window: an SVG drawing, a PNG"
                                           " picture at twice the size, or an A4 page of PDF, by the name's"
                                           " extension (.svg, .png, .pdf)."),
                            QStringLiteral("file")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("With --export: the client area to build the figure for, in pixels"
                                           " (default 900x541)."),
                            QStringLiteral("WxH")};
    QCommandLineOption angle{QStringLiteral("angle"),
                             QStringLiteral("Put A at this angle, in whole degrees, as a drag would: A's angle on"
                                            " the semicircle, measured at the centre of BC, so that the angle at B"
                                            " is half of it (default 74, the initial figure, where AB is 4 cm and"
                                            " AC 3 cm)."),
                             QStringLiteral("degrees")};
    QCommandLineOption lengths{QStringLiteral("lengths"),
                               QStringLiteral("Show the lengths of the sides, of AD and of BD.")};
    QCommandLineOption noGrid{QStringLiteral("no-grid"), QStringLiteral("Hide the grid.")};
    QCommandLineOption lesson{QStringLiteral("lesson"),
                              QStringLiteral("Show step <step> of the lesson on similar triangles, 1 to 9, as the S"
                                             " key does (default 0, none). Without --export these four open the"
                                             " window so."),
                              QStringLiteral("step")};
    QCommandLineOption blanks{QStringLiteral("blanks"),
                              QStringLiteral("With --lesson: leave the degrees, CD and the products as empty boxes"
                                             " to fill in.")};
    QCommandLineOption handout{QStringLiteral("handout"),
                               QStringLiteral("With --export: write a handout for the class in place of the"
                                              " figure: an upright A4 sheet with a name line, the figure with its"
                                              " lengths and the whole lesson, a box for every number.")};
    QCommandLineOption answers{QStringLiteral("answers"),
                               QStringLiteral("With --export: the handout's answer sheet, every box filled in.")};
    QCommandLineOption trueScale{QStringLiteral("true-scale"),
                                 QStringLiteral("With --export: draw the figure true to scale, BC 5 cm long on"
                                                " paper printed at 100 %.")};
};

// A mistake in an export's values: one line, status 2.
CommandLine Refuse(const QString& what)
{
    Print(stderr, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), what));
    return {2, std::nullopt, std::nullopt};
}

std::optional<QSize> ReadSize(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,9})[xX]([0-9]{1,9})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > LargestSide || height > LargestSide)
        return std::nullopt;
    return QSize(width, height);
}

// What the window and an export share: where A stands, what shows, the
// lesson's step. A value that cannot be used: what is wrong with it.
std::optional<QString> ReadPose(const QCommandLineParser& parser, const ExportOptions& options, WorksheetPose& pose)
{
    if (parser.isSet(options.angle)) {
        bool whole = false;
        const qlonglong degrees = parser.value(options.angle).toLongLong(&whole);
        if (!whole)
            return QStringLiteral("--angle must be a whole number of degrees, such as 90, not '%1'")
                .arg(ShownName(parser.value(options.angle)));
        pose.AngleA = degrees;
    }
    if (parser.isSet(options.lesson)) {
        bool whole = false;
        const int step = parser.value(options.lesson).toInt(&whole);
        if (!whole || step < 0 || step > LessonLastStep)
            return QStringLiteral("--lesson must be a step from 0 to %1, not '%2'")
                .arg(LessonLastStep)
                .arg(ShownName(parser.value(options.lesson)));
        pose.Lesson = step;
    }
    pose.Lengths = parser.isSet(options.lengths);
    pose.Grid = !parser.isSet(options.noGrid);
    return std::nullopt;
}

CommandLine ReadExport(const QCommandLineParser& parser, const ExportOptions& options)
{
    ExportRequest request;
    request.File = parser.value(options.file);
    if (request.File.isEmpty())
        return Refuse(QStringLiteral("--export needs the name of the file to write"));
    if (!FormatOf(request.File))
        return Refuse(QStringLiteral("cannot tell what to write to '%1': its name must end in .svg, .png or .pdf")
                          .arg(ShownName(request.File)));
    if (parser.isSet(options.size)) {
        const std::optional<QSize> size = ReadSize(parser.value(options.size));
        if (!size)
            return Refuse(QStringLiteral("--size must be WIDTHxHEIGHT in whole pixels from 1 to %1, such as"
                                         " 900x541, not '%2'")
                              .arg(LargestSide)
                              .arg(ShownName(parser.value(options.size))));
        request.Pose.Width = float(size->width());
        request.Pose.Height = float(size->height());
    }
    if (const std::optional<QString> mistake = ReadPose(parser, options, request.Pose))
        return Refuse(*mistake);
    if (parser.isSet(options.blanks) && request.Pose.Lesson == 0)
        return Refuse(QStringLiteral("--blanks goes with --lesson and a step from 1 to %1").arg(LessonLastStep));
    request.Answers = parser.isSet(options.answers);
    request.Handout = parser.isSet(options.handout) || request.Answers;
    request.TrueScale = parser.isSet(options.trueScale);
    // A handout poses its own figure: A alone is for the teacher to choose.
    if (request.Handout) {
        for (const QCommandLineOption* option : {&options.size, &options.lengths, &options.noGrid, &options.lesson,
                                                 &options.blanks}) {
            if (parser.isSet(*option))
                return Refuse(QStringLiteral("--%1 does not go with a handout, which has its own figure and the"
                                             " whole lesson")
                                  .arg(option->names().constFirst()));
        }
    }
    request.Pose.Blanks = parser.isSet(options.blanks);
    return {std::nullopt, request, std::nullopt};
}

} // namespace

bool AsksForExport(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0)
            return true;
    }
    return false;
}

std::optional<int> RefuseNameNotAsGiven(int argc, char** argv)
{
    // Every name, not only the first: a second --export is refused later,
    // but its name must not reach the toolkit mangled before that.
    for (int i = 1; i < argc; ++i) {
        QByteArray name;
        if (std::strcmp(argv[i], "--export") == 0 && i + 1 < argc)
            name = argv[++i];
        else if (std::strncmp(argv[i], "--export=", 9) == 0)
            name = argv[i] + 9;
        else
            continue;
        // The toolkit reads every argument as UTF-8, and would write bytes
        // that are not as another name, with U+FFFD in their place.
        if (QFile::encodeName(QFile::decodeName(name)) == name)
            continue;
        std::fprintf(stderr, "%s: could not write '%s': its name is not UTF-8, the encoding of file names here,"
                             " so it cannot be written as given\n",
                     qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(ShownName(name)));
        return 2;
    }
    return std::nullopt;
}

CommandLine HandleArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "三角形の直角の頂点から下ろした垂線 — the perpendicular dropped from the right-angle vertex of a\n"
        "triangle: drag the right-angle vertex along the semicircle and watch the altitude."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const ExportOptions exporting;
    parser.addOptions({exporting.file, exporting.size, exporting.angle, exporting.lengths, exporting.noGrid,
                       exporting.lesson, exporting.blanks, exporting.handout, exporting.answers, exporting.trueScale});

    const QString name = QCoreApplication::applicationName();
    // An export's mistakes take one line each, a missing value among them:
    // a script that writes many worksheets gets one line per failure.
    const bool exportAsked = std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
        return argument == QLatin1String("--export") || argument.startsWith(QLatin1String("--export="));
    });
    const auto mistake = [&](const QString& what) {
        if (exportAsked)
            return Refuse(QStringLiteral("%1 (see '%2 --help')").arg(what, name));
        Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(name, what));
        return CommandLine{2, std::nullopt, std::nullopt};
    };

    if (!parser.parse(arguments))
        return mistake(ShownName(parser.errorText()));
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return {0, std::nullopt, std::nullopt};
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(name, QCoreApplication::applicationVersion()));
        return {0, std::nullopt, std::nullopt};
    }
    if (!parser.positionalArguments().isEmpty())
        return mistake(QStringLiteral("unexpected argument '%1'").arg(ShownName(parser.positionalArguments().constFirst())));
    // Which of two values was meant cannot be told, and two files are not
    // written by one run: an option given twice is a mistake, not a choice.
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption* option : {&exporting.file, &exporting.size, &exporting.angle, &exporting.lengths,
                                             &exporting.noGrid, &exporting.lesson, &exporting.blanks, &exporting.handout,
                                             &exporting.answers, &exporting.trueScale}) {
        if (given.count(option->names().constFirst()) > 1)
            return mistake(QStringLiteral("--%1 is given more than once").arg(option->names().constFirst()));
    }
    if (parser.isSet(exporting.file))
        return ReadExport(parser, exporting);
    for (const QCommandLineOption* option : {&exporting.size, &exporting.blanks, &exporting.handout,
                                             &exporting.answers, &exporting.trueScale}) {
        if (parser.isSet(*option))
            return mistake(QStringLiteral("--%1 goes with --export").arg(option->names().constFirst()));
    }
    // The window opens at the pose asked for, as an export would draw it.
    WorksheetPose pose;
    if (const std::optional<QString> wrong = ReadPose(parser, exporting, pose))
        return mistake(*wrong);
    if (!pose.AngleA && !pose.Lengths && pose.Grid && pose.Lesson == 0)
        return {};
    return {std::nullopt, std::nullopt, pose};
}

} // namespace app
