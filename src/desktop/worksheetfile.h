#pragma once

#include <QString>
#include <QtGlobal>

namespace app {

struct WorksheetSource;

// Why a worksheet was not written.
enum class WriteFailure {
    None,
    UnknownKind,  // the name ends in none of .svg, .png, .pdf
    Folder,       // a folder has that name
    NoFolder,     // the folder it would go in does not exist
    NotPermitted, // the folder or the file may not be written
    WriteFailed,  // writing stopped half way: the disk full, or the like
    TooLarge,     // no picture that large could be made
};

struct WriteResult {
    WriteFailure Failure = WriteFailure::None;
    QString Detail; // the system's own words, where it had any

    [[nodiscard]] explicit operator bool() const { return Failure == WriteFailure::None; }
};

// Writes the figure to `fileName` as the kind of file its extension names:
// an SVG drawing, a PNG picture at twice the client area's device pixels
// (`devicePixelRatio` is the window's), or one A4 page of PDF. It goes to a
// temporary file beside the target, renamed over it when complete, so that
// a failure leaves no half file and an existing file as it was.
[[nodiscard]] WriteResult WriteWorksheet(const QString& fileName, const WorksheetSource& source,
                                         qreal devicePixelRatio);

} // namespace app
