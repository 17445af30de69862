#include "workbench/load_messages.h"

std::optional<EngineMessage> LoadMessage(const ChipFileLoadResult& loaded) {
    switch (loaded.status) {
    case ChipFileStatus::Loaded:
        break;
    case ChipFileStatus::MissingOrEmpty:
        return EngineMessage(MessageWord::ChipFileMissingOrEmpty);
    case ChipFileStatus::SyntaxError:
        return ChipFileSyntaxAt(loaded.ChipData, loaded.errorLine);
    case ChipFileStatus::NoChips:
        return EngineMessage(MessageWord::ChipFileNoChips);
    }
    return std::nullopt;
}

EngineMessage ChipFileSyntaxAt(const std::vector<std::string>& lines, int line) {
    const auto at = static_cast<std::size_t>(line);
    const std::string text = line >= 0 && at < lines.size() ? lines[at] : std::string();
    return {MessageWord::ChipFileSyntax, {.text = text.substr(0, kShownLineLimit)}};
}

std::optional<EngineMessage> LoadMessage(const HexLoadResult& loaded) {
    switch (loaded.failure) {
    case HexLoadFailure::None:
    case HexLoadFailure::Declined:
        break;
    case HexLoadFailure::Unreadable:
        return EngineMessage(MessageWord::HexFileUnreadable);
    case HexLoadFailure::BadLine:
        return EngineMessage(MessageWord::HexFileBadLine, {.count = loaded.badLine});
    case HexLoadFailure::BadRegion:
        return EngineMessage(MessageWord::HexFileBadRegion, {.region = loaded.region});
    }
    return std::nullopt;
}
