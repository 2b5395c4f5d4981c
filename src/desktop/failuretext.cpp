#include "failuretext.h"

#include "worksheetfile.h"

#include <QDir>
#include <QFileInfo>

#include <iterator>

namespace app {

namespace {

struct Wording {
    WriteFailure Failure;
    const char16_t* English; // after "could not write '{name}': "
    const char16_t* Japanese;
};

// {name} is the file as given, {folder} the folder it is (or would be) in,
// {detail} the system's own words: " (...)" in English, and in Japanese the
// words alone, or 原因不明 when there are none.
constexpr Wording Table[] = {
    {WriteFailure::UnknownKind, u"its name must end in .svg, .png or .pdf",
     u"「{name}」には保存できません。名前の終わりを .png（画像）か .svg（図形）にしてください。"},
    {WriteFailure::InvalidName, u"the file system does not take that name as it is",
     u"「{name}」という名前は保存先で使えない文字を含むため、保存できませんでした。別の名前を選んでください。"},
    {WriteFailure::NameTooLong, u"the name is too long for the file system",
     u"「{name}」という名前が保存先には長すぎるため、保存できませんでした。短い名前を選んでください。"},
    {WriteFailure::Folder, u"it is a folder",
     u"「{name}」という名前のフォルダがあるため、保存できませんでした。別の名前を選んでください。"},
    {WriteFailure::NoFolder, u"there is no folder '{folder}'",
     u"保存先のフォルダ「{folder}」が見つからないため、「{name}」に保存できませんでした。"},
    {WriteFailure::NotPermitted, u"no file may be made in '{folder}'{detail}",
     u"フォルダ「{folder}」に書き込む権限がないため、「{name}」に保存できませんでした。別の場所を選んでください。"},
    {WriteFailure::ReadOnlyFile, u"the file is read-only{detail}",
     u"「{name}」は読み取り専用のため、上書きできませんでした。別の名前を選んでください。"},
    {WriteFailure::ReadOnlyDisk, u"the disk is read-only: '{folder}' is on a read-only file system",
     u"ディスクが読み取り専用のため、「{name}」に保存できませんでした（フォルダ「{folder}」）。別の場所を選んでください。"},
    {WriteFailure::NoRoom, u"the disk is full, or a quota or a limit on file size was reached{detail}",
     u"ディスクがいっぱいか、書き込める容量の上限に達したため、「{name}」に保存できませんでした。"},
    {WriteFailure::LinkLoop, u"it is a symbolic link that leads round in a loop, or through too many links",
     u"「{name}」はリンクをたどっても行き着く先がない（輪になっているか、多すぎる）ため、保存できませんでした。"},
    {WriteFailure::WriteFailed, u"writing failed{detail}",
     u"「{name}」への書き込みでエラーが起きたため（{detail}）、保存できませんでした。"},
    {WriteFailure::TooLarge, u"a picture that large cannot be made",
     u"図が大きすぎて画像「{name}」を作れませんでした。SVG 図形で保存してください。"},
};

// What became of the file that was there.
constexpr Wording Unchanged = {WriteFailure::None, u"; the file there is unchanged", u"元のファイルは変わっていません。"};
constexpr Wording CopyKept = {
    WriteFailure::None,
    u"; it was being written in place and may be incomplete, and the whole new file is kept as '{copy}'",
    u"元のファイルは書き換えの途中で止まったため、不完全かもしれません。新しい内容はすべて「{copy}」に残してあります。"};

// Fills the placeholders in one pass, so that a name holding "{folder}"
// stays as it is.
QString Fill(const char16_t* text, const QString& name, const QString& folder, const QString& detail,
             const QString& copy)
{
    const QString pattern = QString::fromUtf16(text);
    QString filled;
    for (qsizetype at = 0; at < pattern.size();) {
        bool replaced = false;
        for (const auto& [key, value] : {std::pair{QStringLiteral("{name}"), name}, {QStringLiteral("{folder}"), folder},
                                         {QStringLiteral("{detail}"), detail}, {QStringLiteral("{copy}"), copy}}) {
            if (QStringView(pattern).sliced(at).startsWith(key)) {
                filled += value;
                at += key.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            filled += pattern[at++];
    }
    return filled;
}

// How many bytes from `at` make one whole UTF-8 character; 0 when they
// make none.
qsizetype CharacterLength(const QByteArray& bytes, qsizetype at)
{
    const uchar lead = uchar(bytes[at]);
    const qsizetype length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    // Overlong forms and surrogates do not come back as they were.
    const QByteArray character = bytes.mid(at, length);
    return QString::fromUtf8(character).toUtf8() == character ? length : 0;
}

} // namespace

QString ShownName(const QString& name)
{
    QString shown;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            shown += QLatin1String("\\n");
        else if (u == u'\t')
            shown += QLatin1String("\\t");
        else if (u == u'\r')
            shown += QLatin1String("\\r");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else if (u == 0x2028 || u == 0x2029)
            shown += QStringLiteral("\\u%1").arg(uint(u), 4, 16);
        else
            shown += c;
    }
    return shown;
}

QString ShownName(const QByteArray& nativeName)
{
    QString shown;
    for (qsizetype at = 0; at < nativeName.size();) {
        const qsizetype length = CharacterLength(nativeName, at);
        if (length == 0) {
            shown += QStringLiteral("\\x%1").arg(uint(uchar(nativeName[at++])), 2, 16, QLatin1Char('0'));
            continue;
        }
        shown += ShownName(QString::fromUtf8(nativeName.mid(at, length)));
        at += length;
    }
    return shown;
}

QString DescribeFailure(const WriteResult& result, const QString& fileName, Audience audience)
{
    const bool english = audience == Audience::CommandLine;
    const QString name = ShownName(QDir::toNativeSeparators(fileName));
    const QString folder = ShownName(
        QDir::toNativeSeparators(result.Folder.isEmpty() ? QFileInfo(fileName).absolutePath() : result.Folder));
    const QString detail = english ? (result.Detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(result.Detail))
                                   : (result.Detail.isEmpty() ? QStringLiteral("原因不明") : result.Detail);
    const QString copy = ShownName(QDir::toNativeSeparators(result.KeptCopy));
    const auto words = [&](const Wording& wording) {
        return Fill(english ? wording.English : wording.Japanese, name, folder, detail, copy);
    };

    QString text = english ? QStringLiteral("could not write '%1': ").arg(name) : QString();
    for (const Wording& wording : Table) {
        if (wording.Failure == result.Failure)
            text += words(wording);
    }
    if (!result.KeptCopy.isEmpty())
        text += words(CopyKept);
    else if (result.Existed)
        text += words(Unchanged);
    return text;
}

} // namespace app
