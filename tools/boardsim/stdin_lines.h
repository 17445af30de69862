#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

namespace boardsim {

// The lines of standard input, read on a thread of their own, so that the
// console loop also sees a signal while no line comes (on every system: a
// console or pipe on Windows cannot be polled like a descriptor). The reader
// is left blocked in its read when the program ends.
class StdinLines {
public:
    StdinLines();
    // The next line (without its line end), waiting at most timeoutMs; false
    // when none came (after the end of input none ever comes).
    bool Next(std::string& line, int timeoutMs);

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable arrived;
        std::deque<std::string> lines;
    };
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

} // namespace boardsim
