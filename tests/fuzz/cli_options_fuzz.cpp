// Feeds arbitrary command lines (arguments split at NUL bytes) to the
// command-line program's option parser.
#include "cli/cli_options.h"
#include "fuzz_require.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const CliParseResult r = ParseCliOptions(args);
    Require(r.ok != !r.error.empty());
    if (!r.ok || r.options.help || r.options.version)
        return 0;
    const CliOptions& o = r.options;
    Require(o.command != CliCommand::None && CommandRow(o.command).command == o.command);
    const CliCommandRow& row = CommandRow(o.command);
    Require(row.file != CliFile::None || o.file.empty());
    Require(o.count >= 0 && (o.count == 0 || o.command == CliCommand::Auto));
    Require(o.style >= -1 && o.style < 5);
    Require(!o.idGiven || (!o.id.empty() && o.id.size() <= 8));
    for (const auto& [label, option] : o.fuses)
        Require(!label.empty() && !option.empty());
    return 0;
}
