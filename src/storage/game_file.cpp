#include "storage/game_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "storage/file_lock.h"
#include "storage/safe_write.h"

namespace drz {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kLargestGameFile = 64u << 20;  // far beyond weeks of play on one board
constexpr int kMostCopies = 99;

}  // namespace

GameFileHold::GameFileHold(const fs::path& file) {
    fd_ = ::open(LockFileFor(file.string()).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    int result;
    do result = ::flock(fd_, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::NoLock;
    ::close(fd_);
    fd_ = -1;
}

GameFileHold::~GameFileHold() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

GameFileText ReadGameFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) return {};
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || !fs::is_regular_file(status) || size > kLargestGameFile) return {GameFileText::Status::Unreadable, {}};
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !in.is_open()) return {GameFileText::Status::Unreadable, {}};
    return {GameFileText::Status::Read, std::move(text)};
}

std::optional<std::string> WriteGameFile(const fs::path& file, const std::string& text) {
    RemoveLeftoverTemporaries(file);  // only this run holds the file: a temporary beside it is a killed write's
    return ReplaceFileContent(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::optional<std::string> RemoveGameFile(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) return GermanReason(ec.value());
    return std::nullopt;
}

std::optional<fs::path> SetGameFileAside(const fs::path& file) {
    std::error_code ec;
    for (int n = 1; n <= kMostCopies; ++n) {
        fs::path copy = file;
        copy += ".beschädigt" + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (fs::exists(fs::symlink_status(copy, ec))) continue;
        fs::rename(file, copy, ec);
        if (ec) return std::nullopt;
        return copy;
    }
    return std::nullopt;
}

}  // namespace drz
