#include "ports_folder.h"

#include "link/com_names.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <unistd.h>

ProgramFolder::ProgramFolder() {
    static std::atomic<int> made{0};
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tessaro-serial-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "ports");
    dir = folder.generic_string() + "/";
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

void ProgramFolder::LinkCom(int n, const std::string& target) const {
    const std::string entry = PortEntryPath(dir, n);
    std::filesystem::remove(entry);
    std::filesystem::create_symlink(target, entry);
}

void ProgramFolder::WriteCom(int n, const std::string& text) const {
    const std::string entry = PortEntryPath(dir, n);
    std::filesystem::remove(entry);
    std::ofstream(entry) << text;
}
