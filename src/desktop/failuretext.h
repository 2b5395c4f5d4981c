#pragma once

#include <QByteArray>
#include <QString>

namespace app {

struct WriteResult;

// Who reads a message: the teacher at the window, in Japanese sentences, or
// a script on the command line, in one English line.
enum class Audience { Window, CommandLine };

// Why `fileName` was not written: the file, the cause and what became of
// the file that was there, from the one table both front ends share. The
// command line's text starts at "could not write"; the program's name
// goes before it.
[[nodiscard]] QString DescribeFailure(const WriteResult& result, const QString& fileName, Audience audience);

// A name as a message shows it, always on one line: line breaks, tabs and
// other control characters as \n, \t, \x1b, \u2028.
[[nodiscard]] QString ShownName(const QString& name);

// The same for a name's bytes as the file system has them, where a byte
// that is not part of UTF-8 shows as \xff.
[[nodiscard]] QString ShownName(const QByteArray& nativeName);

} // namespace app
