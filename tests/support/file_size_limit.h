#pragma once

#include <cstdint>

// Makes every write past `bytes` fail (as on a full disk) while it lives.
// Windows has no such limit for a process: tests that need it skip there,
// and the object does nothing.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::uint64_t old_ = 0;
    void (*oldSignal_)(int) = nullptr;
};
