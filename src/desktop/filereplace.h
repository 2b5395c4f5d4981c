#pragma once

#include <QByteArray>

namespace app {

// How putting new contents into a file ended.
struct Replacement {
    // The step that failed, which tells what the error number means.
    enum class Step {
        None,    // written
        Link,    // following the symbolic links to the file
        Open,    // opening the file there for writing
        Create,  // making a new file in the folder
        Write,   // writing, syncing and closing the new file, or syncing the folder after the rename
        Rename,  // putting the new file in place of the old
        InPlace, // writing the old file in place
    };
    Step Failed = Step::None;
    int Error = 0;         // the error number of the call that failed
    bool Existed = false;  // a file was there, and is as it was unless KeptCopy is set
    QByteArray Target;     // the file written, at the end of any links
    QByteArray KeptCopy;   // the whole new content, kept where writing the old file in place failed
};

// Puts `contents` into the file named `nativeName` (the name's bytes, as the
// file system takes them), so that it either holds all of them or is as it
// was. A symbolic link is followed, through any chain, to the file it
// names, which is made if it is not there.
//
// A new file, or one that is replaced by renaming: the contents go to a new
// file beside it, given the old one's owner, group, mode and extended
// attributes, flushed to the disk and closed, then renamed over it, and the
// folder is synced. An old file that renaming would make another file (a
// second hard link, an owner or group the saver may not give, an attribute
// that cannot be copied, a folder that takes no new file) is written in
// place instead, but only once the whole contents are on the disk in a copy
// beside it (or, when the folder takes no new file, in the temporary
// folder); the copy goes once the file is written, and stays, named in the
// result, when writing it fails. Nothing else is ever left behind, not even
// when SIGTERM, SIGINT or SIGHUP ends the program on the way.
[[nodiscard]] Replacement ReplaceFileContents(const QByteArray& nativeName, const QByteArray& contents);

} // namespace app
