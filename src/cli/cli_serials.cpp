// tessaro-cli serials: what the line's store holds, for the people who run
// the line, and its schema for its administrator.
#include "cli/cli_serials.h"

#include "cli/cli_messages.h"
#include "cli/cli_report.h"
#include "cli/cli_session.h"
#include "cli/json_line.h"
#include "cli/serial_numbers.h"
#include "cli/station_serials.h"
#include "platform/translate.h"
#include "store/pg_store.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <ostream>

namespace {
constexpr const char* kSerials = "serials";

struct SerialsOptions {
    std::vector<std::string> words; // the subcommand and its argument
    SerialOptions serial;
    bool json = false;
    bool csv = false;
    std::size_t count = 0;
    std::string chip;
    std::string cid;
};

bool Parse(const std::vector<std::string>& args, SerialsOptions& o, std::string& error) {
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json" || arg == "--csv") {
            (arg == "--json" ? o.json : o.csv) = true;
        } else if (arg.size() < 2 || arg[0] != '-') {
            if (arg != kSerials || !o.words.empty() || i > 0)
                o.words.push_back(arg);
        } else if (i + 1 >= args.size()) {
            error = Arg(kNeedsValue, arg);
        } else if (arg == "--count" || arg == "--chip" || arg == "--cid") {
            const std::string& value = args[++i];
            if (arg == "--chip" || arg == "--cid") {
                (arg == "--chip" ? o.chip : o.cid) = value;
                continue;
            }
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), o.count);
            if (ec != std::errc() || end != value.data() + value.size() || o.count == 0)
                error = Arg(kCountTakes, value);
        } else if (!TakeSerialOption(o.serial, arg, args[++i], error)) {
            error = Arg(kUnknownOption, arg);
        }
    }
    if (o.words.empty() && error.empty())
        error = N_("serials takes init, status, report, find SERIAL, close-stale or export-sqtp "
                   "FILE");
    if (o.serial.store.empty())
        if (const char* address = std::getenv("TESSARO_SERIAL_STORE"); address != nullptr)
            o.serial.store = address;
    if (o.serial.store.empty() && error.empty())
        error = N_("serials needs --serial-store URI (or TESSARO_SERIAL_STORE)");
    return error.empty();
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void PrintTable(const StoreTable& t, const SerialsOptions& o, std::ostream& out) {
    if (o.csv) {
        for (std::size_t c = 0; c < t.columns.size(); ++c)
            out << (c > 0 ? "," : "") << t.columns[c];
        out << '\n';
    }
    for (const auto& row : t.rows) {
        JsonLine line;
        std::string text;
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            const std::string& name = t.columns[c];
            const std::string value = row[c].value_or("");
            if (!row[c])
                line.Null(name);
            else if (t.numeric[c])
                line.Raw(name, value);
            else
                line.Str(name, value);
            text += o.csv ? (c > 0 ? "," : "") + CsvField(value)
                          : (c > 0 ? "  " : "") + name + " " + (row[c] ? value : "-");
        }
        out << (o.json ? line.Text() : text) << '\n';
    }
}
} // namespace

bool IsSerialsCommand(const std::vector<std::string>& args) {
    // The first word that is no option's value: options of serials all take one.
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json" || args[i] == "--csv")
            continue;
        if (args[i].size() >= 2 && args[i][0] == '-') {
            ++i;
            continue;
        }
        return args[i] == kSerials;
    }
    return false;
}

namespace {
StoreAnswer Find(StoreAdmin& admin, const SerialsOptions& o, const std::string& typed,
                 const CliEnvironment& env, int& code) {
    std::uint64_t serial = 0;
    if (!ParseSerialValue(typed, serial))
        return StoreAnswer::Bad(StoreAnswer::Kind::Input,
                                Arg(N_("find takes a serial number, not %1"), typed));
    StoreTable table;
    StoreAnswer answer = admin.Find(std::to_string(serial), table);
    if (answer)
        PrintTable(table, o, *env.out);
    if (answer && table.rows.empty()) {
        *env.err << Translated(MeSays(N_("no chip has the serial number %1"), typed)) << '\n';
        code = kExitChip;
    }
    return answer;
}

// One subcommand on the open store. Its exit code when it is not the answer's.
StoreAnswer RunSubcommand(StoreAdmin& admin, const SerialsOptions& o, const CliEnvironment& env,
                          int& code) {
    const std::string& what = o.words[0];
    const std::string argument = o.words.size() > 1 ? o.words[1] : "";
    std::ostream& out = *env.out;
    StoreTable table;
    StoreAnswer answer;
    if (what == "init") {
        int from = 0;
        int to = 0;
        if ((answer = admin.Init(from, to)))
            out << (o.json ? JsonLine().Int("schema_from", from).Int("schema", to).Text()
                           : Translated(Arg(N_("the serial store's schema: version %1, was %2"), to,
                                            from)))
                << '\n';
    } else if (what == "status" || what == "report") {
        if ((answer = what == "status" ? admin.Status(table) : admin.Report(table)))
            PrintTable(table, o, out);
    } else if (what == "find" && o.words.size() == 2) {
        answer = Find(admin, o, argument, env, code);
    } else if (what == "close-stale" && !o.serial.station.empty()) {
        long long closed = 0;
        if ((answer = admin.CloseStale(o.serial.station, closed)))
            out << (o.json
                        ? JsonLine().Str("station", o.serial.station).Int("closed", closed).Text()
                        : Translated(Arg(N_("%1 reservations of %2 closed as interrupted"), closed,
                                         o.serial.station)))
                << '\n';
    } else if (what == "export-sqtp" && o.words.size() == 2) {
        CliOptions options;
        options.chip = o.chip;
        options.cid = o.cid;
        options.serial = o.serial;
        CliSession session(options, env);
        code = session.ExportSqtp(admin, o.count, argument);
    } else {
        answer = StoreAnswer::Bad(StoreAnswer::Kind::Input,
                                  Arg(N_("serials cannot %1 (init, status, report, find SERIAL, "
                                         "close-stale --station NAME, export-sqtp FILE)"),
                                      what));
    }
    return answer;
}
} // namespace

int RunSerials(const std::vector<std::string>& args, const CliEnvironment& env) {
    SerialsOptions o;
    std::string error;
    if (!Parse(args, o, error)) {
        *env.err << Translated(Arg(kMeLine, error)) << '\n';
        return kExitInput;
    }
    std::unique_ptr<StoreAdmin> admin;
    int code = kExitOk;
    StoreAnswer answer = OpenPgAdmin(o.serial.store, admin);
    if (answer)
        answer = RunSubcommand(*admin, o, env, code);
    env.out->flush();
    if (answer)
        return code;
    *env.err << Translated(Arg(kMeLine, answer.text)) << '\n';
    return answer.kind == StoreAnswer::Kind::Input ? kExitInput : kExitBoard;
}
