#include "filereplace.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace app {

namespace {

QByteArray FolderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

// A new file beside the target, under a short name of its own, so that a
// target whose name is as long as a name may be still gets one. Returns the
// descriptor, or -1 with errno set.
int CreateBeside(const QByteArray& target, QByteArray& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = FolderOf(target) + "/.altitude-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        int fd = -1;
        do
            fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0 || errno != EEXIST)
            return fd;
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

} // namespace

int ReplaceFileContents(const QByteArray& nativeName, const QByteArray& contents)
{
    struct stat existing = {};
    const bool replacing = ::stat(nativeName.constData(), &existing) == 0;
    QByteArray temporary;
    const int fd = CreateBeside(nativeName, temporary);
    if (fd < 0)
        return errno;
    const auto abandon = [&temporary](int error) {
        ::unlink(temporary.constData());
        return error;
    };
    // The last writes of a small file happen only here, and a full disk or a
    // failing drive may tell only here or at the close: every step counts.
    // A file system that cannot sync at all is no failure of the write.
    if (replacing)
        ::fchmod(fd, existing.st_mode & 07777);
    if (!WriteAll(fd, contents) || (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)) {
        const int error = errno;
        ::close(fd);
        return abandon(error);
    }
    if (::close(fd) != 0)
        return abandon(errno);
    if (std::rename(temporary.constData(), nativeName.constData()) != 0)
        return abandon(errno);
    return 0;
}

} // namespace app
