#pragma once

#include <string>

// Where the tests meet the system differently on Linux and on Windows; one
// file per platform behind these.
namespace testplatform {

extern const bool kWindows;

void SetEnv(const std::string& name, const std::string& value);
void UnsetEnv(const std::string& name);

// What Ctrl-C in the terminal does to this program (SIGINT; the console's
// Ctrl-C event, for which a Windows program needs a console: run the test in
// a ChildProcess).
void InterruptThisProgram();

// The variable that places the user's configuration folder, and the folder it
// then is below that place: XDG_CONFIG_HOME and /tessaro/, APPDATA and
// \Tessaro\.
extern const char* const kConfigVariable;
extern const char* const kConfigSubfolder;

// Whether taking a folder's write permission away keeps this program from
// writing in it: not for root on Linux, and never on Windows, where a folder's
// read-only mark does not stop anyone.
bool ReadOnlyFoldersStopThisProgram();

// The toolkit's platform the window tests draw on: "offscreen" on Linux;
// "windows" on Windows, whose Qt is built without the fonts offscreen needs
// (under Wine it draws on the X display Wine is given).
extern const char* const kWindowPlatform;

} // namespace testplatform

// For a test that cannot run on Windows: says why and skips it there only.
#define SKIP_ON_WINDOWS(why)                                                                       \
    if (testplatform::kWindows)                                                                    \
    GTEST_SKIP() << "not on Windows: " << (why)
