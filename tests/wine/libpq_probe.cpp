// libpq as tessaro-cli.exe links it (static, cross-built from Debian's
// source), tried on a real server: four threads at once, as the boards of a
// station, each connect with the connection string given, ask which address
// the server sees them on and run a query with a parameter; what came back
// is printed once when all four agree:
//   libpq_probe CONNINFO
//   ok ADDRESS VALUE         exit 0: connected, "SELECT $1::int + 1" with 41
//   failed: MESSAGE          exit 2: libpq's own words (the server's reason)
// tests/scripts/wine_libpq_test.sh runs it under Wine.
#include <libpq-fe.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

namespace {

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

// One value of a query with at most one parameter, or nothing (the
// connection's error message then says why).
bool ProbeQuery(PGconn* connection, const char* sql, const char* parameter, std::string& value) {
    const int parameters = parameter ? 1 : 0;
    Result result(PQexecParams(connection, sql, parameters, nullptr, &parameter, nullptr, nullptr, 0),
                  &PQclear);
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK || PQntuples(result.get()) != 1) {
        return false;
    }
    value = PQgetvalue(result.get(), 0, 0);
    return true;
}

std::string ProbeOnce(const char* conninfo) {
    Connection connection(PQconnectdb(conninfo), &PQfinish);
    if (PQstatus(connection.get()) != CONNECTION_OK) {
        return std::string("failed: ") + PQerrorMessage(connection.get());
    }
    std::string address;
    std::string value;
    if (!ProbeQuery(connection.get(), "SELECT host(inet_client_addr())", nullptr, address) ||
        !ProbeQuery(connection.get(), "SELECT $1::int + 1", "41", value)) {
        return std::string("failed: ") + PQerrorMessage(connection.get());
    }
    return "ok " + address + " " + value + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: libpq_probe CONNINFO\n");
        return 3;
    }
    if (!PQisthreadsafe()) {
        std::printf("failed: libpq was built without thread safety\n");
        return 2;
    }
    std::array<std::string, 4> outcomes;
    std::array<std::thread, 4> threads;
    for (size_t i = 0; i < threads.size(); ++i) {
        threads[i] = std::thread([&outcomes, i, conninfo = argv[1]] { outcomes[i] = ProbeOnce(conninfo); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (const auto& outcome : outcomes) {
        if (outcome != outcomes[0]) {
            std::printf("failed: the threads' connections differ:\n%s%s", outcomes[0].c_str(),
                        outcome.c_str());
            return 2;
        }
    }
    std::printf("%s", outcomes[0].c_str());
    return outcomes[0].rfind("ok ", 0) == 0 ? 0 : 2;
}
