// The only file that talks to libpq: the rest of the store speaks through PgLink.
#include "store/pg/pg_link.h"

#include "platform/translate.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr const char* kCannotReach = N_("cannot reach the serial store: %1");
constexpr const char* kUndefinedTable = "42P01";

std::string Trimmed(const char* text) {
    std::string s = text != nullptr ? text : "";
    while (!s.empty() && (s.back() == '\n' || s.back() == ' '))
        s.pop_back();
    return s;
}
void CopyRows(const PGresult* result, PgRows& rows) {
    rows.columns.clear();
    rows.rows.clear();
    for (int c = 0; c < PQnfields(result); ++c)
        rows.columns.emplace_back(PQfname(result, c));
    for (int r = 0; r < PQntuples(result); ++r) {
        PgRow& row = rows.rows.emplace_back();
        for (int c = 0; c < PQnfields(result); ++c)
            row.push_back(PQgetisnull(result, r, c) != 0 ? PgValue()
                                                         : PgValue(PQgetvalue(result, r, c)));
    }
    const char* affected = PQcmdTuples(const_cast<PGresult*>(result));
    rows.affected = affected != nullptr && *affected != 0 ? std::atoll(affected) : 0;
}

// The server answered, and said no: a missing table is the schema's, the
// rest (a role without the privileges, say) in the server's words.
StoreAnswer Refusal(const PGresult* result) {
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const std::string reason = Trimmed(PQresultErrorMessage(result));
    if (state != nullptr && std::strcmp(state, kUndefinedTable) == 0)
        return StoreAnswer::Bad(
            StoreAnswer::Kind::Input,
            Arg(N_("the serial store has no tables of this program (%1): run `tessaro-cli "
                   "serials init`"),
                reason));
    return StoreAnswer::Bad(StoreAnswer::Kind::Refused,
                            Arg(N_("the serial store refused: %1"), reason));
}
} // namespace

StoreAnswer CheckPgAddress(const std::string& address) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(address.c_str(), &error);
    if (options != nullptr) {
        PQconninfoFree(options);
        return {};
    }
    const std::string reason = Trimmed(error);
    PQfreemem(error);
    return StoreAnswer::Bad(
        StoreAnswer::Kind::Input,
        Arg(N_("%1 is not a PostgreSQL address (postgresql://HOST/DB or host=... dbname=...): %2"),
            address, reason));
}

PgLink::~PgLink() {
    Drop();
}

void PgLink::Drop() {
    if (conn_ != nullptr)
        PQfinish(conn_);
    conn_ = nullptr;
}

bool PgLink::Connected() const {
    return conn_ != nullptr && PQstatus(conn_) == CONNECTION_OK;
}

StoreAnswer PgLink::Connect(const std::string& address) {
    if (StoreAnswer checked = CheckPgAddress(address); !checked)
        return checked;
    Drop();
    // The address comes last: what it says wins over these defaults.
    const char* keys[] = {"connect_timeout", "application_name", "tcp_user_timeout", "dbname",
                          nullptr};
    const char* values[] = {"5", "tessaro", "10000", address.c_str(), nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) == CONNECTION_OK) {
        PQsetNoticeProcessor(
            conn_, [](void*, const char*) {}, nullptr);
        return {};
    }
    const std::string reason = Trimmed(PQerrorMessage(conn_));
    Drop();
    return StoreAnswer::Bad(StoreAnswer::Kind::Unreachable, Arg(kCannotReach, reason));
}

StoreAnswer PgLink::Exec(const char* sql, const std::vector<PgValue>& params, PgRows* rows) {
    if (!Connected()) {
        Drop();
        return StoreAnswer::Bad(StoreAnswer::Kind::Unreachable,
                                N_("the serial store cannot be reached"));
    }
    std::vector<const char*> values;
    for (const PgValue& p : params)
        values.push_back(p ? p->c_str() : nullptr);
    // Without parameters a text may hold several statements (a migration step).
    PGresult* result = values.empty() ? PQexec(conn_, sql)
                                      : PQexecParams(conn_, sql, static_cast<int>(values.size()),
                                                     nullptr, values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    StoreAnswer answer;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
        if (rows != nullptr)
            CopyRows(result, *rows);
    } else if (PQstatus(conn_) != CONNECTION_OK) {
        answer = StoreAnswer::Bad(StoreAnswer::Kind::Unreachable,
                                  Arg(kCannotReach, Trimmed(PQerrorMessage(conn_))));
        Drop();
    } else {
        answer = Refusal(result);
    }
    PQclear(result);
    return answer;
}
