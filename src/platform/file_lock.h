#pragma once

#include <cstdint>
#include <string>

// An exclusive lock on a file (made when missing), held while the object
// lives: another process, or another object of this one, waits for it. The
// lock goes with the process, so a crash never leaves it held. One file per
// platform: flock on POSIX, LockFileEx on Windows.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return handle_ != kNone; }
    // The system's reason when the lock could not be had.
    const std::string& Reason() const { return reason_; }

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone; // the descriptor or handle the lock is on
    std::string reason_;
};
