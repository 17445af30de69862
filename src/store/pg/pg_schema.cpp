#include "store/pg/pg_schema.h"

#include "platform/translate.h"

#include <cstdlib>
#include <iterator>

namespace {
// A number is held by at most one row of a series (unique index); the row a
// reused number came from says `reused`. Serial numbers go up to 2^64-1,
// beyond bigint, hence numeric(20).
constexpr const char* kVersion1 = R"(
CREATE TABLE tessaro_series (
    name text PRIMARY KEY,
    kind text NOT NULL CHECK (kind IN ('counter', 'list')),
    start numeric(20) NOT NULL DEFAULT 0,
    step numeric(20) NOT NULL DEFAULT 1,
    list_size bigint NOT NULL DEFAULT 0,
    next_position bigint NOT NULL DEFAULT 0,
    created_at timestamptz NOT NULL DEFAULT now());
CREATE TABLE tessaro_series_list (
    series text NOT NULL REFERENCES tessaro_series (name),
    position bigint NOT NULL,
    serial numeric(20) NOT NULL,
    PRIMARY KEY (series, position));
CREATE TABLE tessaro_chips (
    id bigserial PRIMARY KEY,
    series text NOT NULL REFERENCES tessaro_series (name),
    serial numeric(20) NOT NULL,
    state text NOT NULL DEFAULT 'open'
        CHECK (state IN ('open', 'done', 'voided', 'interrupted', 'reusable', 'reused')),
    station text NOT NULL,
    board text NOT NULL,
    chip text NOT NULL,
    hex_file text NOT NULL,
    hex_sha256 text NOT NULL,
    reserved_at timestamptz NOT NULL DEFAULT now(),
    closed_at timestamptz,
    result text,
    device_id text,
    revision integer,
    checksum text,
    image_crc32 text,
    calibration_read text,
    calibration_written text,
    elapsed_s double precision,
    reuse_of bigint REFERENCES tessaro_chips (id));
CREATE UNIQUE INDEX tessaro_chips_one_holder ON tessaro_chips (series, serial)
    WHERE state <> 'reused';
CREATE INDEX tessaro_chips_serial ON tessaro_chips (serial);
CREATE INDEX tessaro_chips_open ON tessaro_chips (station) WHERE state = 'open';
CREATE INDEX tessaro_chips_reusable ON tessaro_chips (series) WHERE state = 'reusable';
)";

constexpr const char* kNewerSchema =
    N_("the serial store's schema is version %1, newer than this program's %2");

// kMigrations[v] takes version v to v + 1.
constexpr const char* kMigrations[] = {kVersion1};
static_assert(std::size(kMigrations) == kSchemaVersion);
} // namespace

StoreAnswer SchemaVersion(PgLink& link, int& version) {
    PgRows rows;
    StoreAnswer answer = link.Exec("SELECT to_regclass('tessaro_schema') IS NOT NULL", {}, &rows);
    if (!answer)
        return answer;
    version = 0;
    if (rows.rows.empty() || rows.rows[0][0] != "t")
        return {};
    answer = link.Exec("SELECT max(version) FROM tessaro_schema", {}, &rows);
    if (answer && !rows.rows.empty() && rows.rows[0][0])
        version = std::atoi(rows.rows[0][0]->c_str());
    return answer;
}

StoreAnswer MigrateSchema(PgLink& link, int& from) {
    StoreAnswer answer = link.Exec("BEGIN");
    // Two administrators at once: the second waits for the first's steps.
    if (answer)
        answer = link.Exec("CREATE TABLE IF NOT EXISTS tessaro_schema (version integer NOT NULL)");
    if (answer)
        answer = link.Exec("LOCK TABLE tessaro_schema IN EXCLUSIVE MODE");
    if (answer)
        answer = SchemaVersion(link, from);
    if (answer && from > kSchemaVersion)
        answer =
            StoreAnswer::Bad(StoreAnswer::Kind::Input, Arg(kNewerSchema, from, kSchemaVersion));
    for (int v = from; answer && v < kSchemaVersion; ++v)
        answer = link.Exec(kMigrations[v]);
    if (answer && from < kSchemaVersion)
        answer = link.Exec("DELETE FROM tessaro_schema");
    if (answer && from < kSchemaVersion)
        answer = link.Exec("INSERT INTO tessaro_schema (version) VALUES ($1)",
                           {std::to_string(kSchemaVersion)});
    if (answer)
        return link.Exec("COMMIT");
    link.Exec("ROLLBACK");
    return answer;
}

StoreAnswer CheckSchema(PgLink& link) {
    int version = 0;
    if (StoreAnswer answer = SchemaVersion(link, version); !answer)
        return answer;
    if (version == kSchemaVersion)
        return {};
    if (version > kSchemaVersion)
        return StoreAnswer::Bad(StoreAnswer::Kind::Input,
                                Arg(kNewerSchema, version, kSchemaVersion));
    return StoreAnswer::Bad(StoreAnswer::Kind::Input,
                            Arg(N_("the serial store's schema is version %1, older than this "
                                   "program's %2: run `tessaro-cli serials init`"),
                                version, kSchemaVersion));
}
