#include "stdin_lines.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace boardsim {

StdinLines::StdinLines() {
    std::thread([shared = shared_] {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->lines.push_back(line);
            shared->arrived.notify_all();
        }
    }).detach();
}

bool StdinLines::Next(std::string& line, int timeoutMs) {
    std::unique_lock<std::mutex> lock(shared_->mutex);
    shared_->arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return !shared_->lines.empty(); });
    if (shared_->lines.empty()) {
        return false;
    }
    line = std::move(shared_->lines.front());
    shared_->lines.pop_front();
    return true;
}

} // namespace boardsim
