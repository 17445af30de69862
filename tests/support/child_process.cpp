#include "child_process.h"

#include <cstdlib>
#include <gtest/gtest.h>

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args) {
    Start(program, args, {});
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : id_(other.id_), console_(other.console_), typed_(other.typed_), killed_(other.killed_) {
    other.id_ = other.console_ = other.typed_ = -1;
}

ChildProcess ChildProcess::OfThisTest(const std::string& role) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    ChildProcess child;
    child.Start(ThisTestProgram(),
                {std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name()},
                role);
    return child;
}

ChildProcess::~ChildProcess() {
    if (Started()) {
        Kill();
        Wait();
    }
}

std::string ChildRole() {
    const char* role = std::getenv(kChildRoleVariable);
    return role != nullptr ? role : "";
}
