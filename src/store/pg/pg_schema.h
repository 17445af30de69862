#pragma once

#include "store/pg/pg_link.h"

// The store's tables, versioned: each step of kMigrations takes the schema
// from its index to the next version. `serials init` runs the steps a
// database lacks; a station refuses a schema older or newer than its own.
inline constexpr int kSchemaVersion = 1;

// The schema's version: 0 for a database without the program's tables.
StoreAnswer SchemaVersion(PgLink& link, int& version);
// Brings the schema up to kSchemaVersion in one transaction; `from` is the
// version found.
StoreAnswer MigrateSchema(PgLink& link, int& from);
// Input, with what to do, unless the version is the program's.
StoreAnswer CheckSchema(PgLink& link);
