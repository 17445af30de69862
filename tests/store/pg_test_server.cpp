#include "pg_test_server.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace storetest {
namespace {
std::string Output(const std::string& command, int& code) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        code = -1;
        return out;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        out += buffer.data();
    code = pclose(pipe);
    return out;
}

std::string Quoted(const std::string& text) {
    std::string q = "'";
    for (const char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
} // namespace

PgTestServer::PgTestServer() {
    int code = 0;
    bin_ = Output("pg_config --bindir 2>/dev/null", code);
    while (!bin_.empty() && (bin_.back() == '\n' || bin_.back() == ' '))
        bin_.pop_back();
    if (code != 0 || !std::filesystem::exists(bin_ + "/initdb")) {
        error_ = "no PostgreSQL server (initdb) here: scripts/deps installs it";
        return;
    }
    char dir[] = "/tmp/tessaro-pg-XXXXXX";
    if (mkdtemp(dir) == nullptr) {
        error_ = "no temporary folder";
        return;
    }
    dir_ = dir;
    if (geteuid() == 0 && std::system(("chown postgres " + dir_).c_str()) != 0) {
        error_ = "cannot give " + dir_ + " to the postgres user";
        return;
    }
    const std::string out = Output(AsServerUser(bin_ + "/initdb -D " + dir_ + "/data -A trust " +
                                                "-U postgres --no-sync -E UTF8 2>&1"),
                                   code);
    if (code != 0) {
        error_ = "initdb failed: " + out;
        return;
    }
    Start();
}

PgTestServer::~PgTestServer() {
    Stop();
    if (!dir_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
}

std::string PgTestServer::AsServerUser(const std::string& command) const {
    // initdb and the server refuse to run as root.
    return geteuid() == 0 ? "runuser -u postgres -- sh -c " + Quoted(command) : command;
}

bool PgTestServer::Start() {
    int code = 0;
    // Its socket in its own folder, no TCP port; fsync off: nothing here
    // outlives the test.
    const std::string out =
        Output(AsServerUser(bin_ + "/pg_ctl -D " + dir_ + "/data -l " + dir_ + "/log -w -o " +
                            Quoted("-k " + dir_ + " -c listen_addresses= -F") + " start 2>&1"),
               code);
    running_ = code == 0;
    if (!running_)
        error_ = "the test server did not start: " + out;
    return running_;
}

bool PgTestServer::Stop() {
    if (!running_)
        return true;
    int code = 0;
    Output(AsServerUser(bin_ + "/pg_ctl -D " + dir_ + "/data -m fast -w stop 2>&1"), code);
    running_ = code != 0;
    return !running_;
}

std::string PgTestServer::NewDatabase(const std::string& name) {
    Sql("postgres", "CREATE DATABASE " + name);
    return Address(name);
}

std::string PgTestServer::Address(const std::string& database, const std::string& user) const {
    return "host=" + dir_ + " dbname=" + database + " user=" + user;
}

std::vector<std::string> PgTestServer::Sql(const std::string& database,
                                           const std::string& sql) const {
    int code = 0;
    const std::string out = Output(bin_ + "/psql -X -q -At -v ON_ERROR_STOP=1 " +
                                       Quoted(Address(database)) + " -c " + Quoted(sql) + " 2>&1",
                                   code);
    std::vector<std::string> rows;
    std::size_t at = 0;
    while (at < out.size()) {
        const std::size_t end = out.find('\n', at);
        rows.push_back(out.substr(at, end - at));
        at = end == std::string::npos ? out.size() : end + 1;
    }
    if (code != 0)
        rows.insert(rows.begin(), "psql failed");
    return rows;
}

PgTestServer& Server() {
    static PgTestServer server;
    return server;
}

} // namespace storetest
