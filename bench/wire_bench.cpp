// Word turnaround on the wire, measured by the board. A simulated board runs in
// its own process (tessaro-boardsim, paced at 19200 baud, served as a network
// serial port on loopback) and time stamps when its 'Y' asking for a program
// word has left and when the word has arrived. Against it, in one run, program
// a whole chip with each host, the reference again right before each of the
// others (WIRE_HOSTS=cli,window picks them), for WIRE_ROUNDS rounds (3):
// - a bare reference host: one thread that waits on the socket, hands the
//   bytes to the engine and writes its answer at once (the engine's own work
//   per word is in its figure, the hosting is not);
// - tessaro-cli (in this process, as it runs from the command line), the same
//   with --record (cli-record: what a recording costs), and as a
//   process of its own;
// - the Windows build of tessaro-cli under Wine, when WIRE_WINE_CLI names it;
// - the window (offscreen), when built with this benchmark.
// Each host's median and 99th percentile turnaround, its ratio to the median of
// the reference run just before it, and (wire + turnarounds) / wire of the
// word exchanges, each round and as medians over the rounds; last the window's
// p99 against tessaro-cli's (the same engine, the same port: the hosting is
// all that differs). Build with the default preset and run build/bench/wire_bench.
#include "bench_hosts.h"
#include "cli/cli.h"
#include "image/reset_code_memory.h"
#include "link/rfc2217_codec.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"
#include "protocol/engine.h"

#include <benchmark/benchmark.h>

#ifdef TESSARO_WIRE_WINDOW
#include "app/proj_fm.h"
#include "platform/help_viewer_scripted.h"
#include "platform/sound_scripted.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#endif

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace wirebench {

// What the board measured for one host.
struct Turnarounds {
    int words = 0;
    double medianUs = -1, p99Us = -1, maxUs = -1, ratio = -1;
};

// tessaro-boardsim as a child process, talked to through its console.
class BoardProcess {
public:
    explicit BoardProcess(const std::string& chip);
    ~BoardProcess();
    BoardProcess(const BoardProcess&) = delete;
    BoardProcess& operator=(const BoardProcess&) = delete;

    // A console command; the reply line of "turnaround", nothing for the others.
    std::string Ask(const std::string& command);
    Turnarounds TakeTurnarounds();

    int port = -1;

private:
    std::string ReadLine();
    pid_t pid_ = -1;
    int toBoard_ = -1;
    int fromBoard_ = -1;
};

using bench::ShippedChip;
void FillImage(const ChipRecord& chip, MemoryImage& image);

#ifdef TESSARO_WIRE_WINDOW
bool WindowHostAvailable() {
    return true;
}

// Runs the window's event loop until done() or the time is up.
bool RunLoopUntil(const std::function<bool()>& done, int seconds) {
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    look.start(10);
    if (!done())
        loop.exec();
    return done();
}

bool RunWindowHost(int port, const std::string& chipName, const std::string& folder) {
    static int argc = 1;
    static char name[] = "wire_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    std::filesystem::create_directories(folder + "ports");
    std::ofstream(folder + "ports/com1") << "rfc2217://127.0.0.1:" << port << "\n";
    std::ofstream(folder + "pro.dat", std::ios::binary)
        << "1\r\n\r\n0\r\n-1\r\n\r\nT\r\nF\r\n1\r\n"; // COM1, Birch_A
    // The window finds its files in the current folder, as when started there.
    struct Cwd {
        std::filesystem::path old = std::filesystem::current_path();
        ~Cwd() { std::filesystem::current_path(old); }
    } cwd;
    std::filesystem::current_path(folder);
    ScriptedDialogs boxes;
    TProjFmEnv env;
    env.dialogs = &boxes;
    env.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    env.programDir = folder;
    env.sound = std::make_unique<ScriptedSound>();
    env.help = std::make_unique<ScriptedHelpViewer>();
    auto w = std::make_unique<TProjFm>(std::move(env));
    w->show();
    w->Timer1Timer();
    const QLabel* status = w->findChild<QLabel*>("StatusLabel");
    const QTimer* timer = w->findChild<QTimer*>("Timer1");
    if (!RunLoopUntil([&] { return status->text() == "Birch_A board connected"; }, 10)) {
        std::fprintf(stderr, "window: %s\n", status->text().toStdString().c_str());
        for (const auto& b : boxes.shown)
            std::fprintf(stderr, "box: %s\n", b.text.c_str());
        return false;
    }
    Workbench& bench = w->Bench();
    bench.ChooseChip(bench.FindChip(chipName));
    bench.ResetImage({.fillBlank = true});
    MemoryImage image;
    FillImage(bench.Chip(), image);
    bench.Image().ROMData = image.ROMData;
    const std::size_t before = boxes.shown.size();
    w->findChild<QPushButton*>("ProgButt")->click();
    RunLoopUntil([&] { return boxes.shown.size() > before && !timer->isActive(); }, 300);
    const bool done = boxes.shown.size() > before &&
                      boxes.shown.back().text.rfind("Programming complete", 0) == 0;
    if (!done)
        std::fprintf(stderr, "window: %s\n",
                     boxes.shown.size() > before ? boxes.shown.back().text.c_str() : "no answer");
    return done;
}
#else
bool WindowHostAvailable() {
    return false;
}
bool RunWindowHost(int, const std::string&, const std::string&) {
    return false;
}
#endif

// ---- The board in its own process ----

BoardProcess::BoardProcess(const std::string& chip) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        execl(TESSARO_BOARDSIM, TESSARO_BOARDSIM, "--model", "Birch_A", "--chip", chip.c_str(),
              "--cid", TESSARO_SOURCE_DIR "/data/chipinfo.cid", "--pace", "--baud", "19200",
              "--listen", "127.0.0.1:0", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toBoard_ = in[1];
    fromBoard_ = out[0];
    const std::string greeting = ReadLine();
    const std::size_t at = greeting.rfind(':');
    if (at != std::string::npos && greeting.find("listening") != std::string::npos)
        port = std::atoi(greeting.c_str() + at + 1);
}

BoardProcess::~BoardProcess() {
    if (pid_ > 0) {
        Ask("quit");
        close(toBoard_);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (fromBoard_ >= 0)
        close(fromBoard_);
}

std::string BoardProcess::ReadLine() {
    std::string line;
    char c = 0;
    while (read(fromBoard_, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

std::string BoardProcess::Ask(const std::string& command) {
    const std::string line = command + "\n";
    [[maybe_unused]] ssize_t n = write(toBoard_, line.data(), line.size());
    return command == "turnaround" ? ReadLine() : std::string();
}

Turnarounds BoardProcess::TakeTurnarounds() {
    const std::string line = Ask("turnaround");
    Turnarounds t;
    auto field = [&](const char* name) {
        const std::size_t at = line.find(name);
        return at == std::string::npos ? -1.0 : std::atof(line.c_str() + at + std::strlen(name));
    };
    t.words = static_cast<int>(field("words="));
    t.medianUs = field("median_us=");
    t.p99Us = field("p99_us=");
    t.maxUs = field("max_us=");
    t.ratio = field("ratio=");
    return t;
}

// ---- The image ----

// Every program word in use, so nothing is trimmed; EEPROM stays blank (the
// turnaround is measured on program words).
void FillImage(const ChipRecord& chip, MemoryImage& image) {
    ResetImage(image, chip, false, false, true, "");
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.ROMSize); ++i)
        image.ROMData[i] = static_cast<int>(i * 7 + 1) & chip.WordMask & 0x7FFE;
}

namespace {
using namespace telnet;

// ---- The bare reference host ----

class BareHost : public bench::QuietHost {
public:
    explicit BareHost(int fd) : fd_(fd) {}
    void Send(const std::string& bytes) override { Write(EscapeIac(bytes)); }
    void SetProgrammerReset(bool level) override {
        Write(
            ComPortCommand(SetControl, std::string(1, static_cast<char>(level ? DtrOn : DtrOff))));
    }
    std::string PortName() const override { return "COM 1"; }

private:
    void Write(const std::string& wire) const {
        [[maybe_unused]] ssize_t n = write(fd_, wire.data(), wire.size());
    }
    int fd_;
};

int Connect(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

bool RunReference(int port, const std::string& chipName) {
    const int fd = Connect(port);
    if (fd < 0)
        return false;
    ChipRecord chip = ShippedChip(chipName);
    MemoryImage image;
    FillImage(chip, image);
    BareHost host(fd);
    image.IDText = chip.IsWide() ? "12345678" : "1234";
    ProgrammerEngine engine(EngineHosts::Of(host), chip, image);
    engine.SetStyle(1); // Birch_A, the board the simulator plays
    Reader reader;
    // One wait on the socket, one read, the engine, its answer: nothing else.
    auto serve = [&](const std::function<bool()>& done) {
        auto tick = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        while (!done()) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 100) > 0) {
                uint8_t buffer[4096];
                const ssize_t n = read(fd, buffer, sizeof buffer);
                if (n <= 0)
                    return false;
                Input in;
                reader.Feed(buffer, static_cast<size_t>(n), in);
                engine.OnBytes(in.data);
            }
            if (std::chrono::steady_clock::now() >= tick) {
                tick += std::chrono::milliseconds(100);
                engine.OnTick();
            }
        }
        return true;
    };
    engine.ResetProgrammer(true);
    bool ok = serve([&] { return engine.Idle() && !engine.ResetPending(); });
    engine.Program();
    ok = ok && serve([&] { return engine.Idle(); }) && engine.Outcome() == Outcome::Done;
    close(fd);
    return ok;
}

// ---- tessaro-cli ----

void WriteHexFile(const std::string& path, const std::string& chipName) {
    ChipRecord chip = ShippedChip(chipName);
    MemoryImage image;
    FillImage(chip, image);
    std::ofstream out(path);
    // Program memory only: what the turnaround is measured on. 16-bit cores
    // take INHX32 files.
    if (chip.IsWide())
        out << ":020000040000FA\n";
    const int bytesPerWord = 2;
    for (int w = 0; w < chip.ROMSize; w += 8) {
        std::string line = ":10";
        char hex[8];
        const int address = w * bytesPerWord;
        std::snprintf(hex, sizeof hex, "%04X00", address & 0xFFFF);
        line += hex;
        int sum = 0x10 + (address >> 8 & 0xFF) + (address & 0xFF);
        for (int i = w; i < w + 8; ++i) {
            const int word = image.ROMData[static_cast<std::size_t>(i)];
            std::snprintf(hex, sizeof hex, "%02X%02X", word & 0xFF, word >> 8);
            line += hex;
            sum += (word & 0xFF) + (word >> 8);
        }
        std::snprintf(hex, sizeof hex, "%02X", (256 - sum % 256) % 256);
        out << line << hex << '\n';
    }
    out << ":00000001FF\n";
}

// record: with --record (the cost of a recording is this host's against "cli").
bool RunCliHost(int port, const std::string& chipName, const std::filesystem::path& folder,
                bool record = false) {
    const std::string hex = (folder / (chipName + ".hex")).string();
    WriteHexFile(hex, chipName);
    std::ostringstream out, err;
    CliEnvironment env;
    env.programDir = folder.string() + "/";
    env.out = &out;
    env.err = &err;
    env.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    std::vector<std::string> args = {
        "program", hex,       "--chip",
        chipName,  "--style", "Birch_A",
        "--quiet", "--port",  "rfc2217://127.0.0.1:" + std::to_string(port)};
    const std::string recording = (folder / "session.jsonl").string();
    if (record)
        args.insert(args.end(), {"--record", recording});
    const int code = RunCli(args, env);
    if (record)
        std::fprintf(stderr, "recording: %lld bytes\n",
                     static_cast<long long>(std::filesystem::file_size(recording)));
    if (code != 0)
        std::fprintf(stderr, "tessaro-cli: %s\n", err.str().c_str());
    return code == 0;
}

// tessaro-cli as a process of its own, as a user runs it: `command` is the
// program (the Linux build) or Wine and the Windows build's .exe.
bool RunCliProcess(const std::vector<std::string>& command, int port, const std::string& chipName,
                   const std::filesystem::path& folder) {
    const std::string hex = (folder / (chipName + ".hex")).string();
    WriteHexFile(hex, chipName);
    std::vector<std::string> args = command;
    for (const char* arg : {"program", hex.c_str(), "--chip", chipName.c_str(), "--style",
                            "Birch_A", "--quiet", "--port"})
        args.emplace_back(arg);
    args.push_back("rfc2217://127.0.0.1:" + std::to_string(port));
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    if (status != 0)
        std::fprintf(stderr, "%s exited with status %d\n", argv[0], status);
    return status == 0;
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A host, and what the board measured for it and for the reference run right
// before it, round after round.
struct Host {
    const char* name;
    std::function<bool()> run;
    std::vector<Turnarounds> rounds;
    std::vector<Turnarounds> references;
};

std::vector<Host> WireHosts(const BoardProcess& board, const std::string& chipName,
                            const std::filesystem::path& folder) {
    const int port = board.port;
    std::vector<Host> hosts = {
        {"reference", [=] { return RunReference(port, chipName); }, {}, {}},
        {"cli", [=] { return RunCliHost(port, chipName, folder); }, {}, {}},
        {"cli-record", [=] { return RunCliHost(port, chipName, folder, true); }, {}, {}},
        {"cli-process",
         [=] { return RunCliProcess({TESSARO_CLI}, port, chipName, folder); },
         {},
         {}},
    };
    // WIRE_WINE_CLI=build-windows/bin/tessaro-cli.exe: the Windows build under
    // Wine (WIRE_WINE, else /usr/lib/wine/wine64; a booted WINEPREFIX).
    if (const char* exe = std::getenv("WIRE_WINE_CLI")) {
        const char* wine = std::getenv("WIRE_WINE");
        const std::vector<std::string> command = {wine != nullptr ? wine : "/usr/lib/wine/wine64",
                                                  exe};
        hosts.push_back(
            {"wine", [=] { return RunCliProcess(command, port, chipName, folder); }, {}, {}});
    }
    if (WindowHostAvailable())
        hosts.push_back({"window",
                         [=] { return RunWindowHost(port, chipName, folder.string() + "/"); },
                         {},
                         {}});
    // WIRE_HOSTS=window,cli picks and orders the hosts.
    if (const char* pick = std::getenv("WIRE_HOSTS")) {
        std::vector<Host> picked = {hosts[0]};
        for (std::string rest = pick; !rest.empty();) {
            const std::string name = rest.substr(0, rest.find(','));
            rest.erase(0, std::min(rest.size(), name.size() + 1));
            for (const Host& h : hosts)
                if (name == h.name && name != "reference")
                    picked.push_back(h);
        }
        hosts = picked;
    }
    return hosts;
}

// Every host in turn, the reference again right before each (the machine may
// be shared: a host is compared with the floor of the same minutes), for
// WIRE_ROUNDS rounds (3 when not given). An empty text, or what failed.
std::string ProgramRounds(BoardProcess& board, std::vector<Host>& hosts) {
    const char* rounds = std::getenv("WIRE_ROUNDS");
    const int count = rounds != nullptr ? std::max(std::atoi(rounds), 1) : 3;
    auto programWith = [&](const Host& host, std::vector<Turnarounds>& into) {
        board.Ask("erase");
        board.TakeTurnarounds(); // anything from before
        if (!host.run())
            return false;
        into.push_back(board.TakeTurnarounds());
        return true;
    };
    for (int round = 0; round < count; ++round)
        for (std::size_t i = 1; i < hosts.size(); ++i)
            if (!programWith(hosts[0], hosts[i].references) ||
                !programWith(hosts[i], hosts[i].rounds))
                return std::string(hosts[i].references.size() > hosts[i].rounds.size()
                                       ? hosts[i].name
                                       : "reference") +
                       " did not program the chip";
    return {};
}

// Each figure the median over the rounds.
Turnarounds MedianOf(const std::vector<Turnarounds>& rounds) {
    auto median = [&](double Turnarounds::*field) {
        std::vector<double> values;
        for (const Turnarounds& t : rounds)
            values.push_back(t.*field);
        std::sort(values.begin(), values.end());
        return values.empty() ? -1 : values[values.size() / 2];
    };
    Turnarounds m;
    m.words = rounds.empty() ? 0 : rounds.front().words;
    m.medianUs = median(&Turnarounds::medianUs);
    m.p99Us = median(&Turnarounds::p99Us);
    m.maxUs = median(&Turnarounds::maxUs);
    m.ratio = median(&Turnarounds::ratio);
    return m;
}

void Row(const std::string& name, const Turnarounds& t, double vs) {
    std::printf("%-16s %7d %11.0f %8.0f %8.0f %13.2f %12.4f\n", name.c_str(), t.words, t.medianUs,
                t.p99Us, t.maxUs, vs, t.ratio);
}

// Every round's rows, then each host's medians over the rounds, and the
// window's against the command line's.
void Report(benchmark::State& state, const std::vector<Host>& hosts) {
    std::printf("%-16s %7s %11s %8s %8s %13s %12s\n", "host", "words", "median_us", "p99_us",
                "max_us", "vs_reference", "wire_ratio");
    for (std::size_t i = 1; i < hosts.size(); ++i)
        for (std::size_t r = 0; r < hosts[i].rounds.size(); ++r) {
            const Turnarounds& ref = hosts[i].references[r];
            const Turnarounds& t = hosts[i].rounds[r];
            Row("reference", ref, 1.0);
            Row(hosts[i].name, t, ref.medianUs > 0 ? t.medianUs / ref.medianUs : 0);
        }
    std::printf("medians over the rounds:\n");
    std::map<std::string, Turnarounds> medians;
    for (std::size_t i = 1; i < hosts.size(); ++i) {
        const Turnarounds ref = MedianOf(hosts[i].references);
        const Turnarounds t = medians[hosts[i].name] = MedianOf(hosts[i].rounds);
        const double vs = ref.medianUs > 0 ? t.medianUs / ref.medianUs : 0;
        Row(std::string(hosts[i].name) + " (median)", t, vs);
        const std::string n = hosts[i].name;
        state.counters[n + "_median_us"] = t.medianUs;
        state.counters[n + "_p99_us"] = t.p99Us;
        state.counters[n + "_wire_ratio"] = t.ratio;
        state.counters[n + "_vs_reference"] = vs;
        state.counters[n + "_reference_median_us"] = ref.medianUs;
    }
    if (medians.count("window") > 0 && medians.count("cli") > 0) {
        const double vsCli = medians["window"].p99Us / medians["cli"].p99Us;
        std::printf("window p99 / cli p99: %.2f (medians)", vsCli);
        state.counters["window_vs_cli_p99"] = vsCli;
        // Each round's pair ran minutes apart at most: on a shared machine
        // their ratio says more than the medians of runs far apart.
        const auto named = [&](const std::string& name) -> const Host& {
            return *std::find_if(hosts.begin(), hosts.end(),
                                 [&](const Host& h) { return name == h.name; });
        };
        const Host& cli = named("cli");
        const Host& window = named("window");
        std::vector<double> ratios;
        for (std::size_t r = 0; r < cli.rounds.size() && r < window.rounds.size(); ++r)
            ratios.push_back(window.rounds[r].p99Us / cli.rounds[r].p99Us);
        std::sort(ratios.begin(), ratios.end());
        if (!ratios.empty()) {
            std::printf(", %.2f (median of the rounds' pairs)", ratios[ratios.size() / 2]);
            state.counters["window_vs_cli_p99_paired"] = ratios[ratios.size() / 2];
        }
        std::printf("\n");
    }
}

void BM_WordTurnaround(benchmark::State& state, const std::string& chipName) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("tessaro-wire-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TESSARO_SOURCE_DIR "/data/chipinfo.cid", folder / "chipinfo.cid",
                               std::filesystem::copy_options::overwrite_existing);
    BoardProcess board(chipName);
    if (board.port <= 0) {
        state.SkipWithError("the board simulator did not start");
        return;
    }
    std::vector<Host> hosts = WireHosts(board, chipName, folder);
    const std::string loadBefore = LoadAverage();
    std::string failed;
    for (auto _ : state)
        failed = ProgramRounds(board, hosts);
    std::filesystem::remove_all(folder);
    std::printf("\n%s, load average %s (before) %s (after)\n", chipName.c_str(), loadBefore.c_str(),
                LoadAverage().c_str());
    Report(state, hosts);
    if (!failed.empty())
        state.SkipWithError(failed.c_str());
    std::fflush(stdout);
}

} // namespace
} // namespace wirebench

using wirebench::BM_WordTurnaround;

BENCHMARK_CAPTURE(BM_WordTurnaround, 16F877A, std::string("16F877A"))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_WordTurnaround, 18F452, std::string("18F452"))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
