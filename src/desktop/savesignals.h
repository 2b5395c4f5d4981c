#pragma once

#include <QByteArray>

namespace app {

// What signals do for the time of one save. A limit on file size fails the
// write (EFBIG, as a full disk fails it) instead of ending the program.
// SIGTERM, SIGINT and SIGHUP, where they would end the program, first
// remove the temporary file being written and then end it as before; where
// the program handles or ignores them itself (the window closes on SIGTERM
// once the save is done), they are left to it. While the old file is
// written in place they wait until that is done, since a file cut off half
// way would be lost. One save at a time.
class SaveSignals {
public:
    SaveSignals();
    // Puts every signal back as it was; one that waited then takes its course.
    ~SaveSignals();
    SaveSignals(const SaveSignals&) = delete;
    SaveSignals& operator=(const SaveSignals&) = delete;

    // The file a signal removes before the program ends; Forget() for none.
    void Remove(const QByteArray& path);
    void Forget();
    // From now on, a signal waits for the end of the save.
    void HoldUntilDone();
};

} // namespace app
