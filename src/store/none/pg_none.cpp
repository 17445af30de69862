// A build without libpq (the Windows build, for now): the PostgreSQL store is
// not there, and saying so is all it does.
#include "store/pg_store.h"
#include "store/store_text.h"

StoreAnswer OpenPgStore(const StationSetup&, std::unique_ptr<SerialStore>&) {
    return StoreAnswer::Bad(StoreAnswer::Kind::Input, kNoPostgres);
}

StoreAnswer OpenPgAdmin(const std::string&, std::unique_ptr<StoreAdmin>&) {
    return StoreAnswer::Bad(StoreAnswer::Kind::Input, kNoPostgres);
}
