#pragma once

#include "store/serial_store.h"

#include <optional>
#include <string>
#include <vector>

struct pg_conn;

using PgValue = std::optional<std::string>; // nullopt: SQL NULL
using PgRow = std::vector<PgValue>;
struct PgRows {
    std::vector<std::string> columns;
    std::vector<PgRow> rows;
    long long affected = 0; // rows an UPDATE or INSERT touched
};

// One connection to the line's PostgreSQL server. Not shared between threads
// without a lock around it.
class PgLink {
public:
    PgLink() = default;
    ~PgLink();
    PgLink(const PgLink&) = delete;
    PgLink& operator=(const PgLink&) = delete;

    // Input when the address is not PostgreSQL's; Unreachable when no server
    // answers or it refuses the role (its reason in the text).
    StoreAnswer Connect(const std::string& address);
    bool Connected() const;
    // One statement with its parameters (text; nullopt for NULL), in a
    // transaction of its own unless one is open. A connection that broke is
    // dropped and answered Unreachable.
    StoreAnswer Exec(const char* sql, const std::vector<PgValue>& params = {},
                     PgRows* rows = nullptr);
    void Drop();

private:
    pg_conn* conn_ = nullptr;
};

// Whether the address parses as a connection URI or keyword string.
StoreAnswer CheckPgAddress(const std::string& address);
