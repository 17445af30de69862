#include "child_process.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

void ChildProcess::Start(const std::string& program, const std::vector<std::string>& args,
                         const std::string& role) {
    std::vector<std::string> texts{program};
    texts.insert(texts.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& t : texts)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables;
    for (char** e = environ; *e != nullptr; ++e)
        variables.emplace_back(*e);
    if (!role.empty())
        variables.push_back(std::string(kChildRoleVariable) + "=" + role);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        id_ = pid;
    posix_spawn_file_actions_destroy(&actions);
}

bool ChildProcess::Started() const {
    return id_ > 0;
}

void ChildProcess::Interrupt() {
    if (Started())
        ::kill(static_cast<pid_t>(id_), SIGINT);
}

void ChildProcess::Kill() {
    if (Started() && ::kill(static_cast<pid_t>(id_), SIGKILL) == 0)
        killed_ = true;
}

int ChildProcess::Wait() {
    if (!Started())
        return -1;
    int status = 0;
    ::waitpid(static_cast<pid_t>(id_), &status, 0);
    id_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ThisTestProgram() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string();
}
