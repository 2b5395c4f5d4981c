#include "filereplace.h"

#include "fileidentity.h"
#include "savesignals.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <utility>

namespace app {

namespace {

// As many links as the system itself follows in one name.
constexpr int MostLinks = 40;

QByteArray FolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

// The file at the end of a chain of symbolic links: renaming over a link
// would put a plain file where the link was and leave its file old. A
// dangling link leads to the file to be made. Null, with errno ELOOP, for a
// loop or a chain longer than the system follows.
std::optional<QByteArray> FollowLinks(QByteArray name)
{
    for (int links = 0; links <= MostLinks; ++links) {
        struct stat entry = {};
        if (::lstat(name.constData(), &entry) != 0 || !S_ISLNK(entry.st_mode))
            return name; // the file, or a name that opening it explains
        QByteArray to(PATH_MAX, '\0');
        const ssize_t length = ::readlink(name.constData(), to.data(), size_t(to.size()));
        if (length < 0 || length >= to.size())
            return name;
        to.truncate(length);
        name = to.startsWith('/') ? to : FolderOf(name) + '/' + to;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Closes once, and says whether closing failed: the last error of a write
// may come only then.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
        return *this;
    }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] bool Close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// A new file in `folder`, under a short name of its own (so that a target
// whose name is as long as a name may be still gets one) with the target's
// extension (so that a copy that is kept opens as what it is). Readable by
// the saver alone until it takes the old file's place. Returns the
// descriptor, or -1 with errno set.
int CreateIn(const QByteArray& folder, const QByteArray& extension, QByteArray& path, SaveSignals& guard)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + "/.altitude-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + extension;
        guard.Remove(path);
        int fd = -1;
        do
            fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0)
            return fd;
        guard.Forget();
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Short writes go on where they stopped; every failure is reported, also
// the one a write of nothing hides.
bool WriteAll(int fd, const QByteArray& contents)
{
    const char* data = contents.constData();
    qint64 left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qint64>(left, qint64(1) << 30)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A file system (or a device) that cannot sync at all is no failure of the
// write.
bool Sync(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// Without this a power cut may lose the rename, and with it the new file.
// A folder that may not be opened for reading cannot be synced by the saver,
// which is no failure either.
bool SyncFolder(const QByteArray& folder)
{
    Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.fd() < 0 || Sync(fd.fd());
}

// The old file, open for writing, rewritten from its start: over the old
// bytes first and cut to length after, so that a file that shrinks never
// stands empty and one that grows needs room only for what it gains.
bool WriteInPlace(Descriptor& file, bool regular, const QByteArray& contents)
{
    return (!regular || ::lseek(file.fd(), 0, SEEK_SET) == 0) && WriteAll(file.fd(), contents) &&
           (!regular || ::ftruncate(file.fd(), contents.size()) == 0) && Sync(file.fd()) && file.Close();
}

} // namespace

Replacement ReplaceFileContents(const QByteArray& nativeName, const QByteArray& contents)
{
    SaveSignals guard;
    Replacement result;
    const auto failed = [&result](Replacement::Step step) {
        result.Failed = step;
        result.Error = errno;
        return result;
    };
    const std::optional<QByteArray> target = FollowLinks(nativeName);
    if (!target)
        return failed(Replacement::Step::Link);
    result.Target = *target;

    // Opening the file there for writing tells for certain whether it may
    // be written, and why not (a read-only disk is not a read-only file).
    // Not blocking keeps a pipe with no reader from holding the save up.
    Descriptor existing(::open(target->constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat was = {};
    if (existing.fd() < 0 && errno != ENOENT) {
        // Refused, a file that is there stays as it was.
        const int error = errno;
        result.Existed = ::stat(target->constData(), &was) == 0 && S_ISREG(was.st_mode);
        errno = error;
        return failed(Replacement::Step::Open);
    }
    if (existing.fd() >= 0) {
        if (::fstat(existing.fd(), &was) != 0)
            return failed(Replacement::Step::Open);
        // A device or a pipe has nothing to keep, and nothing to rename over.
        if (!S_ISREG(was.st_mode)) {
            ::fcntl(existing.fd(), F_SETFL, 0);
            return WriteInPlace(existing, false, contents) ? result : failed(Replacement::Step::InPlace);
        }
        result.Existed = true;
        // Root may write any file, but one that nobody may write was made
        // read-only on purpose, and is left alone too.
        if ((was.st_mode & 0222) == 0) {
            errno = EACCES;
            return failed(Replacement::Step::Open);
        }
    }

    const qsizetype dot = target->lastIndexOf('.');
    const QByteArray extension = dot > target->lastIndexOf('/') ? target->mid(dot).left(8) : QByteArray();
    QByteArray temporary;
    Descriptor copy(CreateIn(FolderOf(*target), extension, temporary, guard));
    bool inPlace = existing.fd() >= 0 && was.st_nlink > 1;
    if (copy.fd() < 0) {
        // A file that may be written in a folder that takes no new file: the
        // whole contents wait in the temporary folder while it is.
        if (existing.fd() < 0 || (errno != EACCES && errno != EPERM))
            return failed(Replacement::Step::Create);
        copy = CreateIn(QFile::encodeName(QDir::tempPath()), extension, temporary, guard);
        if (copy.fd() < 0)
            return failed(Replacement::Step::Create);
        inPlace = true;
    }
    if (existing.fd() >= 0 && !inPlace)
        inPlace = !GiveIdentity(existing.fd(), was, copy.fd());
    const auto abandon = [&](Replacement::Step step) {
        const Replacement failure = failed(step);
        ::unlink(temporary.constData());
        guard.Forget();
        return failure;
    };
    // The last writes of a small file happen only at the sync, and a full
    // disk or a failing drive may tell only there or at the close.
    if (!WriteAll(copy.fd(), contents) || !Sync(copy.fd()) || !copy.Close())
        return abandon(Replacement::Step::Write);

    if (!inPlace) {
        if (std::rename(temporary.constData(), target->constData()) != 0)
            return abandon(Replacement::Step::Rename);
        guard.Forget();
        if (!SyncFolder(FolderOf(*target))) {
            result.Existed = false; // replaced, but perhaps not for good
            return failed(Replacement::Step::Write);
        }
        return result;
    }
    // From here on the copy is the only whole worksheet until the old file
    // is rewritten: no signal removes it, and none cuts the writing short.
    guard.HoldUntilDone();
    guard.Forget();
    if (!WriteInPlace(existing, true, contents)) {
        result.KeptCopy = temporary;
        return failed(Replacement::Step::InPlace);
    }
    ::unlink(temporary.constData());
    return result;
}

} // namespace app
