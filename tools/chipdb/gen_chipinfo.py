#!/usr/bin/python3
"""Writes data/chipinfo.cid from gputils' device headers and linker scripts,
our table of device IDs (device_ids.py) and our family rules (families.py).

Run by hand after changing a table or a rule, with Debian's gputils installed:

    /usr/bin/python3 tools/chipdb/gen_chipinfo.py

The build never runs it: the file it writes is committed.
"""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gputils_facts  # noqa: E402
from device_ids import CHIPS  # noqa: E402
from families import ERASED_MEANING, FAMILIES, SOCKET_BY_PINS  # noqa: E402
from fuse_lists import MAX_LISTS, build_lists  # noqa: E402
from fuse_settings import settings_of  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MAX_ROM_WORDS = 0x8000
MAX_EEPROM_BYTES = 0x10000
NO_DEVICE_ID = 0xFFFF


def natural_key(name):
    return [int(p) if p.isdigit() else p for p in re.split(r"(\d+)", name)]


def wide_blank_words(facts):
    """18F blank words: every bit an option chooses set, unimplemented bits 0."""
    words = [0] * 8
    for register in facts.registers:
        bits = 0
        for setting in settings_of(register):
            bits |= setting.field
        k = (register.address - gputils_facts.WIDE_CONFIG_BASE) // 2 + 1
        words[k] |= bits if register.address % 2 == 0 else bits << 8
    return words


def serial_eeprom_bytes(name):
    # 24Cnn holds nn kilobits.
    return int(name[3:]) * 1024 // 8


def yes_no(flag):
    return "Y" if flag else "N"


def record_lines(family, name):
    device_id, pins, document = CHIPS[name]
    rules = family.rules
    core = rules["CORETYPE"]
    wide = core in (1, 2)
    lists = []
    if core == 0:
        rom, eeprom = 0, serial_eeprom_bytes(name)
        blank_text = "%04X" % rules["FUSEBLANK"]
        what = "%d bytes serial EEPROM" % eeprom
    else:
        facts = gputils_facts.read_chip(name, wide)
        rom, eeprom = facts.rom_words, facts.eeprom_bytes
        if wide:
            words = wide_blank_words(facts)
            blank_text = " ".join("%04X" % w for w in words[1:])
        else:
            words = [0, rules["FUSEBLANK"]]
            blank_text = "%04X" % rules["FUSEBLANK"]
        lists = build_lists(facts, wide, words, ERASED_MEANING,
                            rules.get("SELF_WRITE_BIT", False), rules.get("RENAMED"))
        what = "%d words %s, %d bytes EEPROM" % (
            rom, "flash" if rules["FLASHCHIP"] else "EPROM", eeprom)
    if rom % 0x100 or rom > MAX_ROM_WORDS or eeprom > MAX_EEPROM_BYTES:
        raise ValueError("%s: sizes %X/%X do not fit the chip file" % (name, rom, eeprom))
    if len(lists) > MAX_LISTS:
        raise ValueError("%s: %d fuse lists" % (name, len(lists)))
    socket = rules.get("SOCKET", SOCKET_BY_PINS.get(pins))
    lines = [
        "CHIPNAME=" + name,
        "INCLUDE=Y",
        "SOCKETIMAGE=%d" % socket,
        "ERASEMODE=%d" % rules["ERASEMODE"],
        "FLASHCHIP=" + yes_no(rules["FLASHCHIP"]),
        "POWERSEQUENCE=" + rules["POWERSEQUENCE"],
        "PROGRAMDELAY=%d" % rules["PROGRAMDELAY"],
        "PROGRAMTRIES=%d" % rules["PROGRAMTRIES"],
        "OVERPROGRAM=%d" % rules["OVERPROGRAM"],
        "CORETYPE=%d" % core,
        "ROMSIZE=%04X" % rom,
        "EEPROMSIZE=%04X" % eeprom,
        "FUSEBLANK=" + blank_text,
        "CPWARN=" + yes_no(rules["CPWARN"]),
        "CALWORD=" + yes_no(rules["CALWORD"]),
        "BANDGAP=" + yes_no(rules["BANDGAP"]),
        "CHIPID=%04X" % (NO_DEVICE_ID if device_id is None else device_id),
    ]
    for n, fuse_list in enumerate(lists, start=1):
        options = " ".join('"%s"=%04X' % option for option in fuse_list.options)
        lines.append('LIST%d FUSE%d "%s" %s' % (n, fuse_list.word, fuse_list.label, options))
    lines.append("; %s: %s, %d pins, %s; %s" % (name, family.key, pins, what, document))
    return lines


def generate():
    lines = []
    seen = set()
    for family in FAMILIES:
        for name in sorted(family.members, key=natural_key):
            if name in seen or name not in CHIPS:
                raise ValueError("%s: listed twice or without a device ID entry" % name)
            seen.add(name)
            lines += record_lines(family, name)
    missing = set(CHIPS) - seen
    if missing:
        raise ValueError("in the ID table but in no family: %s" % ", ".join(sorted(missing)))
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "chipinfo.cid"))
    args = parser.parse_args()
    if not gputils_facts.available():
        sys.exit("gputils' headers are missing: apt-get install gputils")
    lines = generate()
    with open(args.out, "w", newline="") as out:
        out.write("\r\n".join(lines) + "\r\n")
    print("%s: %d chips" % (args.out, sum(1 for l in lines if l.startswith("CHIPNAME="))))


if __name__ == "__main__":
    main()
