#pragma once

#include <string>
#include <vector>

// Another process for tests about what several processes do together, a
// process killed half way, or one that gets Ctrl-C: a program of the build,
// or this test program run again for the current test alone, with a role
// telling it which part to play. On Windows the child has a console of its
// own (a pseudo console), as a program run from a Command Prompt has, so that
// Ctrl-C reaches it there too.
class ChildProcess {
public:
    // Starts `program` (a bare name is looked for on the PATH) with `args`;
    // its output goes to the null device.
    ChildProcess(const std::string& program, const std::vector<std::string>& args);
    // Runs this test program again for the test now running, with `role` in
    // the child's ChildRole().
    static ChildProcess OfThisTest(const std::string& role);
    ~ChildProcess(); // kills a child still running
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    bool Started() const;
    // What Ctrl-C in the child's terminal does (SIGINT; Ctrl-C typed into its console).
    void Interrupt();
    // Ends the child at once, wherever it is.
    void Kill();
    // Waits for the child's end: its exit code, or -1 when it was killed.
    int Wait();

private:
    ChildProcess() = default;
    void Start(const std::string& program, const std::vector<std::string>& args,
               const std::string& role);
    long long id_ = -1;      // the process id or handle
    long long console_ = -1; // Windows: the pseudo console and what is typed into it
    long long typed_ = -1;
    bool killed_ = false;
};

// In a child started by OfThisTest, its role; empty in the test itself.
std::string ChildRole();

// For the platform files: where the role travels, and this program's path.
inline constexpr const char* kChildRoleVariable = "TESSARO_TEST_ROLE";
std::string ThisTestProgram();
