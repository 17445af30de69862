#include "image/file_date.h"

#include "platform/utf8_path.h"

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace {
constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = kFirstDosYear + 127;
} // namespace

double PackDosDateTime(const std::tm& local) {
    const int year = local.tm_year + 1900;
    if (year < kFirstDosYear || year > kLastDosYear) {
        std::tm edge{};
        const bool early = year < kFirstDosYear;
        edge.tm_year = (early ? kFirstDosYear : kLastDosYear) - 1900;
        edge.tm_mon = early ? 0 : 11;
        edge.tm_mday = early ? 1 : 31;
        edge.tm_hour = early ? 0 : 23;
        edge.tm_min = early ? 0 : 59;
        edge.tm_sec = early ? 0 : 58;
        return PackDosDateTime(edge);
    }
    // A leap second (tm_sec 60) stays within the 5-bit field as 30.
    const std::uint32_t packed = static_cast<std::uint32_t>(year - kFirstDosYear) << 25 |
                                 static_cast<std::uint32_t>(local.tm_mon + 1) << 21 |
                                 static_cast<std::uint32_t>(local.tm_mday) << 16 |
                                 static_cast<std::uint32_t>(local.tm_hour) << 11 |
                                 static_cast<std::uint32_t>(local.tm_min) << 5 |
                                 static_cast<std::uint32_t>(local.tm_sec / 2);
    return static_cast<double>(packed);
}

double HexFileDateOf(const std::string& fileName) {
    std::error_code ec;
    if (fileName.empty() || !std::filesystem::is_regular_file(PathOf(fileName), ec))
        return kNoFileDate;
    const auto written = std::filesystem::last_write_time(PathOf(fileName), ec);
    if (ec)
        return kNoFileDate;
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return kNoFileDate;
    return PackDosDateTime(local);
}

bool IsNewerHexFile(bool adviseNewerFileLoad, double loadedDate, double currentDate) {
    return adviseNewerFileLoad && loadedDate != 0 && currentDate > loadedDate;
}
