#pragma once

#include <QString>
#include <QtGlobal>

class QPrinter;

namespace app {

struct WorksheetSource;

// Why a worksheet was not written.
enum class WriteFailure {
    None,
    UnknownKind,  // the name ends in none of .svg, .png, .pdf
    InvalidName,  // the file system does not take the name as given
    NameTooLong,  // the name, or a folder's in it, is longer than the file system allows
    Folder,       // a folder has that name
    NoFolder,     // the folder it would go in does not exist
    NotPermitted, // no file may be made in the folder
    ReadOnlyFile, // the file is there and may not be written
    ReadOnlyDisk, // the folder lies on a disk that is only read
    NoRoom,       // the disk is full, or a quota or a limit on a file's size is reached
    LinkLoop,     // a symbolic link that leads round in a loop, or through too many links
    WriteFailed,  // the system failed otherwise: an error of the drive, say
    TooLarge,     // no picture that large could be made
};

struct WriteResult {
    WriteFailure Failure = WriteFailure::None;
    QString Detail;       // the system's own words, where it had any
    bool Existed = false; // a file of that name was there, and is as it was
    QString Folder{};     // the folder the file is in, at the end of any links; empty for the name's own
    QString KeptCopy{};   // where the whole new file stays when writing the old one in place failed

    [[nodiscard]] explicit operator bool() const { return Failure == WriteFailure::None; }
};

// Writes the figure to `fileName` as the kind of file its extension names:
// an SVG drawing, a PNG picture at twice the client area's device pixels
// (`devicePixelRatio` is the window's), or one A4 page of PDF. The file is
// made whole in memory and then put in place in one step, so that a failure
// anywhere leaves no half file and an existing file as it was.
[[nodiscard]] WriteResult WriteWorksheet(const QString& fileName, const WorksheetSource& source,
                                         qreal devicePixelRatio);

// Prints the figure to the PDF file that `printer` was told to print to,
// on its page, in the same one step.
[[nodiscard]] WriteResult PrintToFile(const QPrinter& printer, const WorksheetSource& source);

} // namespace app
