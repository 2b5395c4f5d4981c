#include "fileidentity.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace app {

namespace {

// Reads a list or a value whose size may change between asking and
// reading: `read(buffer, size)` is flistxattr or fgetxattr.
template <typename Read>
std::optional<std::string> ReadSized(Read read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        std::string bytes(std::size_t(size), '\0');
        const ssize_t got = read(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(std::size_t(got));
            return bytes;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
}

// The names of a file's extended attributes; none on a file system that
// has none.
std::optional<std::vector<std::string>> AttributeNames(int fd)
{
    const std::optional<std::string> list =
        ReadSized([fd](char* buffer, std::size_t size) { return flistxattr(fd, buffer, size); });
    if (!list)
        return errno == ENOTSUP ? std::optional(std::vector<std::string>()) : std::nullopt;
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list->size();) {
        const std::size_t end = list->find('\0', start);
        names.push_back(list->substr(start, end - start));
        start = end == std::string::npos ? list->size() : end + 1;
    }
    return names;
}

} // namespace

bool GiveIdentity(int from, const struct stat& was, int to)
{
    if (fchown(to, was.st_uid, was.st_gid) != 0)
        return false;
    const std::optional<std::vector<std::string>> names = AttributeNames(from);
    const std::optional<std::vector<std::string>> given = AttributeNames(to);
    if (!names || !given)
        return false;
    for (const std::string& name : *given) {
        if (std::find(names->begin(), names->end(), name) == names->end() && fremovexattr(to, name.c_str()) != 0)
            return false;
    }
    for (const std::string& name : *names) {
        const std::optional<std::string> value = ReadSized(
            [from, &name](char* buffer, std::size_t size) { return fgetxattr(from, name.c_str(), buffer, size); });
        if (!value || fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0)
            return false;
    }
    // Last, since a new owner clears the set-user-ID bit and an ACL sets
    // the group's bits.
    return fchmod(to, was.st_mode & 07777) == 0;
}

} // namespace app
