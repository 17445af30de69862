#pragma once

// A PostgreSQL server of the test's own: initdb in a temporary folder, its
// socket there and no TCP port, run as the `postgres` user when the tests run
// as root; stopped and removed at the end. The machine's own cluster is never
// touched.
#include <string>
#include <vector>

namespace storetest {

class PgTestServer {
public:
    PgTestServer();
    ~PgTestServer();
    PgTestServer(const PgTestServer&) = delete;
    PgTestServer& operator=(const PgTestServer&) = delete;

    bool Running() const { return running_; }
    const std::string& Error() const { return error_; }
    // Stops it (fast: open transactions are rolled back, connections cut)
    // and starts it again on the same data.
    bool Stop();
    bool Start();

    // A database of its own for one test, and its address as libpq takes it.
    std::string NewDatabase(const std::string& name);
    std::string Address(const std::string& database, const std::string& user = "postgres") const;
    // One SQL statement through psql: its rows, fields separated by '|'.
    std::vector<std::string> Sql(const std::string& database, const std::string& sql) const;

private:
    std::string AsServerUser(const std::string& command) const;
    std::string dir_;
    std::string bin_;
    bool running_ = false;
    std::string error_;
};

// The one server of this test program, started on first use.
PgTestServer& Server();

} // namespace storetest
