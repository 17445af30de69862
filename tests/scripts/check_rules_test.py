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
        fine_too = {"src/protocol/a.cpp": fine, "src/platform/b.cpp": include("ui/w.h")}
        self.assertEqual(run(fine_too), [])

    def test_faces_ask_the_workbench(self):
        past = "".join(map(include, ["protocol/engine.h", "image/hex_load.h"]))
        faces = {"src/app/a.cpp": past, "src/cli/b.h": include("chipdb/chip_list.h")}
        self.assertEqual(run(faces), ["face past the workbench"] * 3)
        # Below the faces, and the workbench's other headers in a face, are fine.
        fine = {"src/protocol/a.cpp": past, "src/cli/c.cpp": include("protocol/operation.h")}
        self.assertEqual(run(fine), [])

    def test_window_words_in_the_engine(self):
        roles = "class P {\n  virtual void RepaintWindow() {}\n  void ShowListing();\n};\n"
        self.assertEqual(run({"src/protocol/host.h": roles}), ["window word"] * 2)
        # Its own words; the words in comments, texts, sources and other layers.
        quiet = 'Dialogs& boxes();\n// ShowListing()\nvoid Say(const char* t = "Show(");\n'
        files = {"src/protocol/a.h": quiet, "src/protocol/b.cpp": roles, "src/app/c.h": roles}
        self.assertEqual(run(files), [])

    def test_duplicated_texts(self):
        one = 'void f() { Say("Verifying EEPROM..."); Ask("Do you wish " "to continue?"); }\n'
        two = 'void g() {\n  Say("Verifying EEPROM...");\n  Ask("Do you wish to continue?");\n}\n'
        self.assertEqual(run({"src/a.cpp": one, "src/b.cpp": two}), ["duplicated text"] * 2)
        # Format strings, keys and file names, comments, tests and single words are no messages.
        quiet = (
            'int f() { printf("%d words left"); Key("image_crc32"); Open("chipinfo.cid");\n'
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
