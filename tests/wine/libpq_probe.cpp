// libpq as tessaro-cli.exe links it (static, cross-built from Debian's
// source), tried on a real server: connects with the connection string it is
// given, asks which address the server sees it on and runs a query with a
// parameter, and prints what came back:
//   libpq_probe CONNINFO
//   ok ADDRESS VALUE         exit 0: connected, "SELECT $1::int + 1" with 41
//   failed: MESSAGE          exit 2: libpq's own words (the server's reason)
// tests/scripts/wine_libpq_test.sh runs it under Wine.
#include <libpq-fe.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;
using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

int ProbeFailed(const char* message) {
    std::printf("failed: %s\n", message);
    return 2;
}

// One value of a query with one parameter, or nothing (the connection's
// error message then says why).
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: libpq_probe CONNINFO\n");
        return 3;
    }
    if (!PQisthreadsafe()) {
        return ProbeFailed("libpq was built without thread safety");
    }
    Connection connection(PQconnectdb(argv[1]), &PQfinish);
    if (PQstatus(connection.get()) != CONNECTION_OK) {
        return ProbeFailed(PQerrorMessage(connection.get()));
    }
    std::string address;
    std::string value;
    if (!ProbeQuery(connection.get(), "SELECT host(inet_client_addr())", nullptr, address) ||
        !ProbeQuery(connection.get(), "SELECT $1::int + 1", "41", value)) {
        return ProbeFailed(PQerrorMessage(connection.get()));
    }
    std::printf("ok %s %s\n", address.c_str(), value.c_str());
    return 0;
}
