#include "storage/safe_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string_view>

namespace drz {

namespace fs = std::filesystem;

std::string Quoted(const fs::path& file) { return "\"" + file.string() + "\""; }

std::string GermanReason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Der Ordner fehlt.";
        case EACCES:
        case EPERM:
            return "Keine Schreibberechtigung.";
        case ENOSPC:
        case EDQUOT:
            return "Der Datenträger ist voll.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt.";
        case EISDIR:
            return "Unter diesem Namen steht ein Ordner.";
        case ENOTDIR:
            return "Der Ordner fehlt.";
        default:
            return "Schreibfehler (Fehler " + std::to_string(errorNumber) + ").";
    }
}

namespace {

// ".brett.drz.0123456789abcdef.tmp" beside "brett.drz".
constexpr std::size_t kTemporaryDigits = 16;
constexpr std::string_view kTemporaryEnd = ".tmp";

std::string TemporaryStart(const fs::path& target) { return "." + target.filename().string() + "."; }

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device device;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%08x%08x.tmp", device(), device());
    return target.parent_path() / (TemporaryStart(target) + suffix);
}

bool IsTemporaryOf(const std::string& name, const std::string& start) {
    if (name.size() != start.size() + kTemporaryDigits + kTemporaryEnd.size() || name.compare(0, start.size(), start))
        return false;
    const std::string_view rest = std::string_view(name).substr(start.size());
    for (std::size_t i = 0; i < kTemporaryDigits; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(rest[i]))) return false;
    return rest.substr(kTemporaryDigits) == kTemporaryEnd;
}

// The file a write into `target` replaces: a link is followed, so the file it points to gets the new content.
fs::path WrittenFile(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) return resolved;
    }
    return target;
}

fs::path FolderOf(const fs::path& file) { return file.parent_path().empty() ? fs::path(".") : file.parent_path(); }

// Writes and flushes the whole content to disk; returns an error number, 0 on success.
int WriteAll(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size() && error == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) error = errno;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

bool WritePermitted(fs::perms perms) {
    return (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) != fs::perms::none;
}

}  // namespace

std::optional<std::string> ReplaceFileContent(const fs::path& target, const std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    const fs::path file = WrittenFile(target);
    const fs::path folder = FolderOf(file);
    if (!fs::is_directory(folder, ec)) return "Der Ordner fehlt.";
    const fs::file_status status = fs::status(file, ec);
    const bool exists = fs::exists(status);
    if (exists && fs::is_directory(status)) return "Unter diesem Namen steht ein Ordner.";
    if (exists && !WritePermitted(status.permissions())) return "Die Datei ist schreibgeschützt.";

    const fs::path temporary = TemporaryBeside(folder / file.filename());
    if (const int error = WriteAll(temporary, bytes); error != 0) {
        fs::remove(temporary, ec);
        return GermanReason(error);
    }
    if (exists) fs::permissions(temporary, status.permissions(), ec);
    fs::rename(temporary, folder / file.filename(), ec);
    if (ec) {
        fs::remove(temporary, ec);
        return GermanReason(ec.value());
    }
    return std::nullopt;
}

void RemoveLeftoverTemporaries(const fs::path& target) {
    const fs::path file = WrittenFile(target);
    const std::string start = TemporaryStart(file);
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(FolderOf(file), ec), end; !ec && it != end; it.increment(ec))
        if (IsTemporaryOf(it->path().filename().string(), start)) leftovers.push_back(it->path());
    for (const fs::path& leftover : leftovers) fs::remove(leftover, ec);
}

}  // namespace drz
