#include "main_window_harness.h"

#include "test_platform.h"

#include <QCoreApplication>

#include <cstdlib>

#include <sstream>

MainWindowHarness::MainWindowHarness(const std::string& name) {
    oldCwd_ = std::filesystem::current_path();
    dir = std::filesystem::temp_directory_path() /
          ("tessaro-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    programDir = dir.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    std::filesystem::current_path(dir);
}

MainWindowHarness::~MainWindowHarness() {
    window.reset();
    if (oldConfigHome_.has_value())
        testplatform::SetEnv(testplatform::kConfigVariable, *oldConfigHome_);
    else if (setConfigHome_)
        testplatform::UnsetEnv(testplatform::kConfigVariable);
    std::filesystem::current_path(oldCwd_);
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
}

void MainWindowHarness::WriteFile(const std::string& name, const std::string& contents) const {
    std::ofstream(dir / name, std::ios::binary) << contents;
}

std::string MainWindowHarness::ReadFile(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void MainWindowHarness::CopyShippedChipFile() const {
    std::filesystem::copy_file(std::filesystem::path(TESSARO_SOURCE_DIR) / "data/chipinfo.cid",
                               dir / "chipinfo.cid",
                               std::filesystem::copy_options::overwrite_existing);
}

std::string MainWindowHarness::InstalledCopy() {
    WriteFile(kInstallMarkerName, "installed\n");
    const std::string home = dir.string() + "/config-home";
    if (!setConfigHome_) {
        if (const char* old = std::getenv(testplatform::kConfigVariable))
            oldConfigHome_ = old;
    }
    testplatform::SetEnv(testplatform::kConfigVariable, home);
    setConfigHome_ = true;
    return home + testplatform::kConfigSubfolder;
}

TestWindow& MainWindowHarness::Start(std::vector<std::string> args) {
    window.reset();
    TProjFmEnv env;
    env.dialogs = boxes != nullptr ? boxes : &dialogs;
    env.sleep = [this](int ms) { sleptMs += ms; };
    env.programDir = programDir;
    env.systemRoot = systemRoot;
    env.args = std::move(args);
    auto sound = std::make_unique<ScriptedSound>();
    this->sound = sound.get();
    env.sound = std::move(sound);
    auto help = std::make_unique<ScriptedHelpViewer>();
    this->help = help.get();
    env.help = std::move(help);
    window = std::make_unique<TestWindow>(std::move(env));
    window->show();
    window->Timer1Timer();
    return *window;
}

bool MainWindowHarness::Close() {
    bool closed = window->close();
    QCoreApplication::processEvents();
    return closed;
}
