#pragma once

#include "store/serial_store.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The line's store on a PostgreSQL server. Built where libpq is found; where
// it is not, every call answers that this program has no PostgreSQL store.

// What a station says of itself when it opens the store.
struct StationSetup {
    std::string address; // a PostgreSQL URI or keyword string, as libpq takes it
    std::string series = "default";
    std::string station;
    SeriesPlan plan; // how the series starts when it does not exist yet
    FailedNumbers failed = FailedNumbers::Void;
    std::string journal; // the local journal's file
};

// Connects, checks the schema, writes what waits in the station's journal,
// closes as interrupted what a dead run of this station left open, and
// starts the series on its first use.
StoreAnswer OpenPgStore(const StationSetup& setup, std::unique_ptr<SerialStore>& store);

// What `serials` prints: named columns, each a number or text; nullopt for
// none.
struct StoreTable {
    std::vector<std::string> columns;
    std::vector<bool> numeric;
    std::vector<std::vector<std::optional<std::string>>> rows;
};

// The administrator's side of the store (tessaro-cli serials).
class StoreAdmin {
public:
    virtual ~StoreAdmin() = default;
    // Makes or upgrades the schema; `from` is the version found.
    virtual StoreAnswer Init(int& from, int& to) = 0;
    // Per series: next, given, done, failed, voided, interrupted, open, reusable.
    virtual StoreAnswer Status(StoreTable& table) = 0;
    // Per station and board: chips, passed, failed, yield, first, last.
    virtual StoreAnswer Report(StoreTable& table) = 0;
    // Every row that holds the number.
    virtual StoreAnswer Find(const std::string& serial, StoreTable& table) = 0;
    virtual StoreAnswer CloseStale(const std::string& station, long long& closed) = 0;
    // Takes up to `count` unused numbers of the series out of it (they are
    // given to a file, never to a chip of the store); all of a list when
    // count is 0.
    virtual StoreAnswer TakeUnused(const std::string& series, std::size_t count,
                                   std::vector<std::uint64_t>& numbers) = 0;
};

StoreAnswer OpenPgAdmin(const std::string& address, std::unique_ptr<StoreAdmin>& admin);
