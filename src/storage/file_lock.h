// file_lock.h — an exclusive lock between processes, held on a sibling lock file for as long as the object lives.
#pragma once

#include <string>

namespace drz {

class FileLock {
public:
    // Blocks until the lock on `lockFile` (created when missing) is held. When the lock file cannot be opened
    // (a read-only folder) the object holds nothing and Held() is false; the caller's write then fails on
    // its own and says why.
    explicit FileLock(const std::string& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The lock file beside `file`: "Champions.Rhm" is locked through "Champions.Rhm.lock", since a file replaced
// by renaming cannot carry its own lock.
std::string LockFileFor(const std::string& file);

}  // namespace drz
