// The administrator's side of the line's PostgreSQL store: the schema, and
// what `tessaro-cli serials` reports.
#include "store/pg/pg_link.h"
#include "store/pg/pg_schema.h"
#include "store/pg_store.h"
#include "store/store_text.h"

#include "platform/translate.h"

#include <algorithm>

namespace {
// The counts add up: given = done + voided + interrupted + open + reusable;
// `failed` counts chips whose result was not done, whatever became of their
// number.
constexpr const char* kStatus = R"(
SELECT s.name AS series,
       CASE WHEN s.kind = 'counter' THEN (s.start + s.step * s.next_position)::text
            ELSE (SELECT l.serial::text FROM tessaro_series_list l
                  WHERE l.series = s.name AND l.position = s.next_position) END AS next,
       count(c.id) FILTER (WHERE c.state <> 'reused') AS given,
       count(c.id) FILTER (WHERE c.state = 'done') AS done,
       count(c.id) FILTER (WHERE c.result IS NOT NULL AND c.result <> 'done') AS failed,
       count(c.id) FILTER (WHERE c.state = 'voided') AS voided,
       count(c.id) FILTER (WHERE c.state = 'interrupted') AS interrupted,
       count(c.id) FILTER (WHERE c.state = 'open') AS open,
       count(c.id) FILTER (WHERE c.state = 'reusable') AS reusable
FROM tessaro_series s LEFT JOIN tessaro_chips c ON c.series = s.name
GROUP BY s.name ORDER BY s.name)";

constexpr const char* kReport = R"(
SELECT station, board, count(*) AS chips,
       count(*) FILTER (WHERE result = 'done') AS passed,
       count(*) FILTER (WHERE result <> 'done') AS failed,
       round(100.0 * count(*) FILTER (WHERE result = 'done')
             / nullif(count(result), 0), 1) AS yield,
       to_char(min(reserved_at) AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS"Z"') AS first,
       to_char(max(coalesce(closed_at, reserved_at)) AT TIME ZONE 'UTC',
               'YYYY-MM-DD"T"HH24:MI:SS"Z"') AS last
FROM tessaro_chips GROUP BY station, board ORDER BY station, board)";

constexpr const char* kFind = R"(
SELECT serial, series, station, board, chip, coalesce(result, state) AS result, state,
       device_id, checksum, image_crc32, hex_sha256,
       to_char(reserved_at AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS"Z"') AS reserved_at,
       to_char(closed_at AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS"Z"') AS closed_at,
       reuse_of
FROM tessaro_chips WHERE serial = $1::numeric ORDER BY id)";

constexpr const char* kCloseStale = R"(
UPDATE tessaro_chips SET state = 'interrupted', closed_at = now()
WHERE station = $1 AND state = 'open')";

constexpr const char* kUnused = R"(
SELECT CASE WHEN s.kind = 'counter' THEN (s.start + s.step * p)::text
            ELSE (SELECT l.serial::text FROM tessaro_series_list l
                  WHERE l.series = s.name AND l.position = p) END
FROM tessaro_series s,
     generate_series(s.next_position,
                     CASE WHEN s.kind = 'counter' THEN s.next_position + $2 - 1
                          ELSE least(s.next_position + $2, s.list_size) - 1 END) AS p
WHERE s.name = $1 ORDER BY p)";

StoreAnswer AsTable(const PgRows& rows, const std::vector<std::string>& numeric,
                    StoreTable& table) {
    table.columns = rows.columns;
    table.numeric.clear();
    for (const std::string& c : rows.columns)
        table.numeric.push_back(std::find(numeric.begin(), numeric.end(), c) != numeric.end());
    table.rows = rows.rows;
    return {};
}

class PgAdmin : public StoreAdmin {
public:
    StoreAnswer Connect(const std::string& address) { return link_.Connect(address); }

    StoreAnswer Init(int& from, int& to) override {
        to = kSchemaVersion;
        return MigrateSchema(link_, from);
    }

    StoreAnswer Status(StoreTable& table) override {
        return Query(
            kStatus, {},
            {"next", "given", "done", "failed", "voided", "interrupted", "open", "reusable"},
            table);
    }

    StoreAnswer Report(StoreTable& table) override {
        return Query(kReport, {}, {"chips", "passed", "failed", "yield"}, table);
    }

    StoreAnswer Find(const std::string& serial, StoreTable& table) override {
        return Query(kFind, {serial}, {"serial", "reuse_of"}, table);
    }

    StoreAnswer CloseStale(const std::string& station, long long& closed) override {
        PgRows rows;
        StoreAnswer answer = CheckSchema(link_);
        if (answer)
            answer = link_.Exec(kCloseStale, {station}, &rows);
        closed = rows.affected;
        return answer;
    }

    StoreAnswer TakeUnused(const std::string& series, std::size_t count,
                           std::vector<std::uint64_t>& numbers) override {
        PgRows rows;
        StoreAnswer answer = CheckSchema(link_);
        if (answer)
            answer = link_.Exec("BEGIN");
        if (answer)
            answer = link_.Exec("SELECT kind = 'counter' FROM tessaro_series WHERE name = $1 "
                                "FOR UPDATE",
                                {series}, &rows);
        if (answer && rows.rows.empty())
            answer = StoreAnswer::Bad(StoreAnswer::Kind::Input, Arg(kNoSeries, series));
        if (answer && count == 0 && rows.rows[0][0] == "t")
            answer = StoreAnswer::Bad(StoreAnswer::Kind::Input,
                                      N_("a counter's numbers never end: give --count N"));
        if (answer)
            answer =
                link_.Exec(kUnused, {series, std::to_string(count > 0 ? count : 1u << 31)}, &rows);
        for (std::size_t i = 0; answer && i < rows.rows.size(); ++i)
            answer = ParseSerial(rows.rows[i][0].value_or(""), numbers.emplace_back());
        if (answer)
            answer = link_.Exec("UPDATE tessaro_series SET next_position = next_position + $2 "
                                "WHERE name = $1",
                                {series, std::to_string(numbers.size())});
        if (answer)
            return link_.Exec("COMMIT");
        link_.Exec("ROLLBACK");
        numbers.clear();
        return answer;
    }

private:
    StoreAnswer Query(const char* sql, const std::vector<PgValue>& params,
                      const std::vector<std::string>& numeric, StoreTable& table) {
        PgRows rows;
        StoreAnswer answer = CheckSchema(link_);
        if (answer)
            answer = link_.Exec(sql, params, &rows);
        return answer ? AsTable(rows, numeric, table) : answer;
    }

    PgLink link_;
};
} // namespace

StoreAnswer OpenPgAdmin(const std::string& address, std::unique_ptr<StoreAdmin>& admin) {
    auto pg = std::make_unique<PgAdmin>();
    StoreAnswer answer = pg->Connect(address);
    if (answer)
        admin = std::move(pg);
    return answer;
}
