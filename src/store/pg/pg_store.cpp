// A station's side of the line's PostgreSQL store: each reservation and each
// result is one short statement; results the server cannot take wait in the
// station's journal.
#include "store/pg_store.h"
#include "store/pg/pg_link.h"
#include "store/pg/pg_schema.h"
#include "store/store_journal.h"
#include "store/store_text.h"

#include "platform/translate.h"

#include <mutex>
#include <set>
#include <utility>

namespace {
// The series row is locked by its update, so that two stations never take
// the same position; the number comes from the counter or the list there.
constexpr const char* kReserve = R"(
WITH s AS (
    UPDATE tessaro_series SET next_position = next_position + 1
    WHERE name = $1 AND (kind = 'counter' OR next_position < list_size)
    RETURNING kind, start, step, next_position - 1 AS position)
INSERT INTO tessaro_chips (series, serial, station, board, chip, hex_file, hex_sha256)
SELECT $1, CASE WHEN s.kind = 'counter' THEN s.start + s.step * s.position
                ELSE (SELECT l.serial FROM tessaro_series_list l
                      WHERE l.series = $1 AND l.position = s.position) END,
       $2, $3, $4, $5, $6
FROM s
RETURNING id, serial::text, reuse_of)";

// A failed chip's number, kept for the next chip: its row says `reused` in
// the same statement that gives the number to the new row.
constexpr const char* kReuse = R"(
WITH old AS (
    SELECT id FROM tessaro_chips WHERE series = $1 AND state = 'reusable'
    ORDER BY id LIMIT 1 FOR UPDATE SKIP LOCKED),
gone AS (
    UPDATE tessaro_chips c SET state = 'reused' FROM old WHERE c.id = old.id
    RETURNING c.id, c.serial)
INSERT INTO tessaro_chips (series, serial, station, board, chip, hex_file, hex_sha256, reuse_of)
SELECT $1, gone.serial, $2, $3, $4, $5, $6, gone.id FROM gone
RETURNING id, serial::text, reuse_of)";

constexpr const char* kClose = R"(
UPDATE tessaro_chips SET state = $2, result = $3, device_id = $4, revision = $5,
    checksum = $6, image_crc32 = $7, calibration_read = $8, calibration_written = $9,
    elapsed_s = $10, closed_at = now()
WHERE id = $1 AND state IN ('open', 'interrupted'))";

// The station's reservations that no chip of this run holds.
constexpr const char* kInterruptOpen = R"(
UPDATE tessaro_chips SET state = 'interrupted', closed_at = now()
WHERE station = $1 AND state = 'open' AND NOT (id = ANY ($2::bigint[])))";

constexpr const char* kPeek = R"(
SELECT CASE WHEN kind = 'counter' THEN (start + step * next_position)::text
            ELSE (SELECT l.serial::text FROM tessaro_series_list l
                  WHERE l.series = s.name AND l.position = s.next_position) END,
       kind = 'counter', list_size - next_position
FROM tessaro_series s WHERE name = $1)";

constexpr const char* kNewSeries = R"(
INSERT INTO tessaro_series (name, kind, start, step, list_size) VALUES ($1, $2, $3, $4, $5)
ON CONFLICT (name) DO NOTHING)";

constexpr const char* kNewList = R"(
INSERT INTO tessaro_series_list (series, position, serial)
SELECT $1, n - 1, v::numeric FROM unnest($2::text[]) WITH ORDINALITY AS t (v, n))";

PgValue Text(const std::string& text) {
    return text.empty() ? PgValue() : PgValue(text);
}

class PgStore : public SerialStore {
public:
    explicit PgStore(StationSetup setup) : s_(std::move(setup)), journal_(s_.journal) {}

    StoreAnswer Open() {
        const std::lock_guard lock(mutex_);
        StoreAnswer answer = link_.Connect(s_.address);
        if (answer)
            answer = Settle();
        return answer ? StartSeries() : answer;
    }

    StoreAnswer Peek(std::size_t wanted, std::uint64_t& next) override {
        const std::lock_guard lock(mutex_);
        PgRows rows;
        StoreAnswer answer = link_.Exec(kPeek, {s_.series}, &rows);
        if (!answer)
            return answer;
        if (rows.rows.empty())
            return StoreAnswer::Bad(StoreAnswer::Kind::Input, Arg(kNoSeries, s_.series));
        const PgRow& row = rows.rows[0];
        const long long left = row[2] ? std::atoll(row[2]->c_str()) : 0;
        if (row[1] != "t" && left < static_cast<long long>(wanted))
            return StoreAnswer::Bad(StoreAnswer::Kind::Input,
                                    NumbersShort(false, s_.series, left, wanted));
        return ParseSerial(row[0].value_or(""), next);
    }

    StoreAnswer Reserve(const ChipClaim& c, Reservation& r) override {
        const std::lock_guard lock(mutex_);
        StoreAnswer answer = Up();
        const std::vector<PgValue> params = {s_.series, c.station, c.board,
                                             c.chip,    c.hexFile, c.hexSha256};
        PgRows rows;
        if (answer && s_.failed == FailedNumbers::Reuse)
            answer = link_.Exec(kReuse, params, &rows);
        if (answer && rows.rows.empty())
            answer = link_.Exec(kReserve, params, &rows);
        if (!answer)
            return Down(answer);
        if (rows.rows.empty())
            return StoreAnswer::Bad(StoreAnswer::Kind::Input, NumbersShort(false, s_.series, 0, 1));
        const PgRow& row = rows.rows[0];
        r.row = std::atoll(row[0]->c_str());
        r.reuseOf = row[2] ? std::atoll(row[2]->c_str()) : 0;
        live_.insert(r.row);
        return ParseSerial(*row[1], r.serial);
    }

    StoreAnswer Close(const Reservation& r, const ChipResult& result) override {
        const std::lock_guard lock(mutex_);
        live_.erase(r.row);
        StoreAnswer answer = Up();
        if (answer)
            answer = CloseRow(r.row, result);
        if (answer.kind != StoreAnswer::Kind::Unreachable)
            return answer;
        Down(answer);
        if (std::string error = journal_.Append({r.row, result}); !error.empty())
            return StoreAnswer::Bad(StoreAnswer::Kind::Refused, error);
        return {};
    }

    bool NoticeOutage(std::string& reason) override {
        const std::lock_guard lock(mutex_);
        reason = outage_;
        return std::exchange(outageToSay_, false);
    }

    bool NoticeReturn() override {
        const std::lock_guard lock(mutex_);
        return std::exchange(returnToSay_, false);
    }

private:
    StoreAnswer Down(const StoreAnswer& answer) {
        if (answer.kind == StoreAnswer::Kind::Unreachable && !down_) {
            down_ = true;
            outage_ = answer.text;
            outageToSay_ = true;
            returnToSay_ = false;
        }
        return answer;
    }

    // Connected, or connected again with the journal written first.
    StoreAnswer Up() {
        if (link_.Connected())
            return {};
        StoreAnswer answer = link_.Connect(s_.address);
        if (answer)
            answer = Settle();
        if (!answer)
            return Down(answer);
        if (std::exchange(down_, false))
            returnToSay_ = true;
        return answer;
    }

    // After connecting: the schema is the program's, the journal is written,
    // and what this station holds open without a chip is interrupted (a dead
    // run's, or a reservation whose answer the broken connection lost).
    StoreAnswer Settle() {
        StoreAnswer answer = CheckSchema(link_);
        if (answer)
            answer = WriteJournal();
        std::string live = "{";
        for (const long long row : live_)
            live += (live.size() > 1 ? "," : "") + std::to_string(row);
        if (answer)
            answer = link_.Exec(kInterruptOpen, {s_.station, live + "}"});
        return answer;
    }

    StoreAnswer WriteJournal() {
        std::vector<JournalEntry> entries;
        std::string error;
        if (!journal_.Read(entries, error))
            return StoreAnswer::Bad(StoreAnswer::Kind::Input, error);
        std::size_t written = 0;
        StoreAnswer answer;
        while (written < entries.size() &&
               (answer = CloseRow(entries[written].row, entries[written].result)))
            ++written;
        if (written == 0)
            return answer;
        entries.erase(entries.begin(), entries.begin() + static_cast<long>(written));
        if (error = journal_.Rewrite(entries); !error.empty())
            return StoreAnswer::Bad(StoreAnswer::Kind::Input, error);
        return answer;
    }

    StoreAnswer CloseRow(long long row, const ChipResult& r) {
        const char* state = r.Passed()                          ? "done"
                            : s_.failed == FailedNumbers::Reuse ? "reusable"
                                                                : "voided";
        return link_.Exec(kClose,
                          {std::to_string(row), state, r.result, Text(r.deviceId),
                           r.revision >= 0 ? PgValue(std::to_string(r.revision)) : PgValue(),
                           Text(r.checksum), Text(r.imageCrc32), Text(r.calibrationRead),
                           Text(r.calibrationWritten), std::to_string(r.elapsedSeconds)});
    }

    StoreAnswer StartSeries() {
        PgRows rows;
        StoreAnswer answer =
            link_.Exec("SELECT 1 FROM tessaro_series WHERE name = $1", {s_.series}, &rows);
        if (!answer || !rows.rows.empty())
            return answer;
        const SeriesPlan& p = s_.plan;
        if (!p.Given())
            return StoreAnswer::Bad(StoreAnswer::Kind::Input, Arg(kNoSeries, s_.series));
        std::string list = "{";
        for (const std::uint64_t v : p.list)
            list += (list.size() > 1 ? "," : "") + std::to_string(v);
        answer = link_.Exec("BEGIN");
        if (answer)
            answer = link_.Exec(kNewSeries,
                                {s_.series, p.counter ? "counter" : "list", std::to_string(p.start),
                                 std::to_string(p.step), std::to_string(p.list.size())},
                                &rows);
        // Another station may have started it a moment ago: then it is theirs.
        if (answer && rows.affected == 1 && !p.counter)
            answer = link_.Exec(kNewList, {s_.series, list + "}"});
        if (answer)
            return link_.Exec("COMMIT");
        link_.Exec("ROLLBACK");
        return answer;
    }

    std::mutex mutex_;
    StationSetup s_;
    StoreJournal journal_;
    PgLink link_;
    std::set<long long> live_; // rows reserved by this run and not closed yet
    bool down_ = false;
    bool outageToSay_ = false;
    bool returnToSay_ = false;
    std::string outage_; // why the store went away
};
} // namespace

StoreAnswer OpenPgStore(const StationSetup& setup, std::unique_ptr<SerialStore>& store) {
    auto pg = std::make_unique<PgStore>(setup);
    StoreAnswer answer = pg->Open();
    if (answer)
        store = std::move(pg);
    return answer;
}
