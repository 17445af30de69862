#!/usr/bin/python3
"""scripts/check-rules on small made-up trees: each rule fires on its fault and
stays quiet on the code that looks like it but is fine.
  check_rules_test.py PATH_TO_CHECK_RULES"""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = sys.argv.pop(1) if len(sys.argv) > 1 else "scripts/check-rules"

LAYERS = """tessaro_layer(platform LINK Threads::Threads)
tessaro_layer(chipdb   DEPS platform)
# tessaro_layer(commented DEPS chipdb)
tessaro_layer(protocol DEPS chipdb platform)
tessaro_layer(ui       QT DEPS platform)
"""


def include(path):
    """An include line of a made-up source file (written here so that this file has none)."""
    return "#include " + '"' + path + '"\n'


def run(files):
    """The check's findings on a tree of these files, one rule name per finding."""
    with tempfile.TemporaryDirectory() as root:
        for path, text in {"src/CMakeLists.txt": LAYERS, **files}.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(text)
        done = subprocess.run([CHECK, root], capture_output=True, text=True)
        lines = done.stdout.splitlines()
        assert (done.returncode == 1) == bool(lines), done
        return [line.split(": ")[1] for line in lines]


class CheckRules(unittest.TestCase):
    def test_includes(self):
        relative = {"src/protocol/a.cpp": include("../cli/x.h"), "tests/a.cpp": include("./x.h")}
        self.assertEqual(run(relative), ["relative include"] * 2)
        upward = {"src/chipdb/a.cpp": include("protocol/engine.h")}
        self.assertEqual(run(upward), ["upward include"])
        # Down the layers, a folder that is no library, the file's own folder, system headers.
        fine = "".join(map(include, ["platform/a.h", "chipdb/b.h", "x.h"])) + "#include <vector>\n"
        fine_too = {"src/protocol/a.cpp": fine, "src/platform/b.cpp": include("widgets/w.h")}
        self.assertEqual(run(fine_too), [])

    def test_faces_ask_the_workbench(self):
        past = "".join(map(include, ["protocol/engine.h", "image/hex_load.h"]))
        faces = {"src/app/a.cpp": past, "src/cli/b.h": include("chipdb/chip_list.h")}
        self.assertEqual(run(faces), ["face past the workbench"] * 3)
        # Below the faces, and the workbench's other headers in a face, are fine.
        fine = {"src/protocol/a.cpp": past, "src/cli/c.cpp": include("protocol/operation.h")}
        self.assertEqual(run(fine), [])

    def test_protocol_headers_in_the_faces(self):
        named = "".join(map(include, ["protocol/operation.h", "protocol/engine_messages.h"]))
        others = "".join(map(include, ["protocol/blocks.h", "protocol/programmer_host.h"]))
        faces = {"src/cli/a.cpp": named + others, "src/app/b.h": include("protocol/upgrade.h")}
        self.assertEqual(run(faces), ["face protocol include"] * 3)
        # The workbench may include any of them.
        self.assertEqual(run({"src/workbench/a.cpp": others}), [])

    def test_window_words_below_the_window(self):
        roles = "class P {\n  virtual void RepaintWindow() {}\n  void ShowListing();\n};\n"
        member = "bool showDialog_ = false;\nenum class E { Button, Other };\n"
        found = run({"src/protocol/host.h": roles, "src/chipdb/a.cpp": member})
        self.assertEqual(found, ["window word"] * 4)
        # Its own words (Dialogs, Shown, Windows, a parity's Mark); the words in comments and
        # texts; a library with Qt and the *_qt files of one without.
        quiet = (
            'Dialogs& boxes();\n// ShowListing()\nvoid Say(const char* t = "Show(");\n'
            "int kShownLineLimit, WindowsAbsolute; auto p = eParity::Mark;\n"
        )
        files = {"src/protocol/a.h": quiet, "src/chipdb/b_qt.cpp": roles, "src/ui/c.h": roles}
        self.assertEqual(run(files), [])

    def test_described_window_words_stay_in_the_window(self):
        leaks = "void FuseButtClick();\nstruct OscalFmValues;\nstd::string UpdateIDedit();\n"
        leaks_too = leaks + "int MyIntToHex(int);\n"
        found = run({"src/chipdb/a.h": leaks_too, "src/ui/b.h": "class THelpFm;\n"})
        self.assertEqual(found, ["described window word"] * 5)
        # In the window they are its names; edited, credit, Mystery and the click sound are
        # other words.
        quiet = "int edited, credit, Mystery;\nvoid PlayClick();\nclass Buttress;\n"
        self.assertEqual(run({"src/app/a.h": leaks, "src/chipdb/b.h": quiet}), [])

    def test_states_throws_and_platform_macros(self):
        faults = (
            "bool b = s == EngineState::Idle;\nvoid f() { throw 1; }\n#ifdef _WIN32\n#endif\n"
            "#if defined(__linux__) && X\n#endif\n"
        )
        found = run({"src/chipdb/a.cpp": faults})
        self.assertEqual(found, ["state named", "throw", "platform #if", "platform #if"])
        # The engine names its states; a Qt library may throw; the one type that differs by
        # platform; tests choose by platform.
        quiet_ui = "void f() { throw 1; }\n#if X_ENABLED\n#endif\n"
        files = {
            "src/protocol/a.cpp": "auto s = EngineState::Idle;\n// throw\n",
            "src/ui/b.cpp": quiet_ui,
            "src/link/waitable.h": "#ifdef _WIN32\n#endif\n",
            "tests/c.cpp": faults,
        }
        self.assertEqual(run(files), [])

    def test_each_state_handler_says_what_it_waits_for(self):
        table = "States k = {\n    STATE(Idle, Binary),\n    STATE(AwaitStart, Text),\n};\n"
        handlers = (
            "// Waits for the greeting.\nvoid ProgrammerEngine::OnAwaitStart() {}\n"
            "// Nothing: idle.\nvoid ProgrammerEngine::OnIdle() {}\n"
            "void ProgrammerEngine::OnTick() {}\n"
        )
        files = {"src/protocol/engine.cpp": table, "src/protocol/b.cpp": handlers}
        self.assertEqual(run(files), ["handler without its wait"])

    def test_duplicated_texts(self):
        one = 'void f() { Say("Verifying EEPROM..."); Ask("Do you wish " "to continue?"); }\n'
        two = 'void g() {\n  Say("Verifying EEPROM...");\n  Ask("Do you wish to continue?");\n}\n'
        self.assertEqual(run({"src/a.cpp": one, "src/b.cpp": two}), ["duplicated text"] * 2)
        # Patterns are messages too, whatever follows their parts.
        pattern = 'void h() { Say(Arg("%1 needs a value", x)); printf("%d words left"); }\n'
        self.assertEqual(run({"src/a.cpp": pattern, "src/b.cpp": pattern}), ["duplicated text"] * 2)
        # Keys and file names, comments, tests and single words are no messages.
        quiet = (
            'int f() { Key("image_crc32"); Open("chipinfo.cid");\n'
            '// Say("Blank Results: ")\n Say(R"(usage: x)"); char q = \'"\'; Say("Erase"); }\n'
        )
        files = {"src/a.cpp": quiet, "src/b.cpp": quiet + '/* "Blank Results: " */'}
        self.assertEqual(run({**files, "tests/t.cpp": one, "tests/u.cpp": one}), [])

    def test_word_mask_decisions(self):
        decide = (
            "bool a = chip.WordMask == 0xFF;\nbool b = 0xFFF != chip_->WordMask;\n"
            "switch (c.WordMask) {}\n"
        )
        found = run({"src/image/a.cpp": decide, "bench/b.cpp": decide})
        self.assertEqual(found, ["WordMask decision"] * 6)
        value = (
            "int w = word & chip.WordMask;\nbool c = word > chip.WordMask;\n"
            "bool d = x == (y & sim.WordMask());\nchip.WordMask = 0x3FFF;\n"
        )
        self.assertEqual(run({"src/image/a.cpp": value, "src/chipdb/c.cpp": decide}), [])


if __name__ == "__main__":
    unittest.main()
