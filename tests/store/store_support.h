#pragma once

#include "cli/cli_test_support.h"
#include "pg_test_server.h"

#include <gtest/gtest.h>

namespace storetest {

// A database of its own on the test server, with the store's schema.
inline std::string LineDatabase(const clitest::ProgramFolder& f, const std::string& name) {
    PgTestServer& server = Server();
    EXPECT_TRUE(server.Running()) << server.Error();
    const std::string address = server.NewDatabase(name);
    const clitest::CliRun init =
        clitest::RunTool(f, {"serials", "init", "--serial-store", address});
    EXPECT_EQ(init.code, 0) << init.err;
    return address;
}

// One state of the store's rows: state|result|serial, ordered by serial.
inline std::vector<std::string> Rows(const std::string& database) {
    return Server().Sql(database, "SELECT state || '|' || coalesce(result, '-') || '|' || serial "
                                  "FROM tessaro_chips ORDER BY serial, id");
}

} // namespace storetest
