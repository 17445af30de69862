"""Facts about one chip read from gputils' device header and linker script.

Only numbers and symbol names are taken: the configuration registers, the
values of their options, the program memory size and the data EEPROM size.
Nothing of the files themselves ends up in the chip file.
"""

import os
import re

HEADER_DIR = "/usr/share/gputils/header"
LINKER_DIR = "/usr/share/gputils/lkr"

_EQU = re.compile(r"^_(\w+)\s+EQU\s+H'([0-9A-Fa-f]+)'")
_SECTION = re.compile(r"^;-+\s*(\w+)\s+Options")
_CODEPAGE = re.compile(
    r"^CODEPAGE\s+NAME=(\S+)\s+START=0x([0-9A-Fa-f]+)\s+END=0x([0-9A-Fa-f]+)", re.I
)
# 18F configuration bytes live from here; 12/14-bit words at their own address.
WIDE_CONFIG_BASE = 0x300000


class ConfigRegister:
    """One configuration register: its address, width and every option symbol."""

    def __init__(self, name, address, width_mask):
        self.name = name
        self.address = address
        self.width_mask = width_mask
        self.symbols = []  # (symbol name without leading '_', value) in file order

    def values(self):
        seen = []
        for _, value in self.symbols:
            if value not in seen:
                seen.append(value)
        return seen


class ChipFacts:
    def __init__(self, name):
        self.name = name
        self.registers = []  # in address order
        self.rom_words = 0
        self.eeprom_bytes = 0


def header_path(chip):
    return os.path.join(HEADER_DIR, "p%s.inc" % chip.lower())


def linker_path(chip):
    for suffix in ("_g.lkr", ".lkr"):
        path = os.path.join(LINKER_DIR, chip.lower() + suffix)
        if os.path.exists(path):
            return path
    return None


def _register_width(address, wide):
    if wide:
        return 0xFF
    # The 12-bit cores keep their configuration word at the top of a 12-bit space.
    return 0xFFF if address < 0x2000 else 0x3FFF


def read_header(chip, wide):
    """The configuration registers of a chip with their option symbols."""
    addresses = {}
    registers = {}
    current = None
    with open(header_path(chip), encoding="latin-1") as text:
        for line in text:
            section = _SECTION.match(line)
            if section:
                current = section.group(1).upper()
                continue
            if line.startswith(";"):
                if "Equates" in line:
                    current = None
                continue
            match = _EQU.match(line)
            if not match:
                continue
            symbol, value = match.group(1).upper(), int(match.group(2), 16)
            if re.fullmatch(r"CONFIG\d*[LH]?", symbol):
                addresses[symbol] = value
            elif current is not None and current in addresses:
                if current not in registers:
                    address = addresses[current]
                    registers[current] = ConfigRegister(
                        current, address, _register_width(address, wide)
                    )
                registers[current].symbols.append((symbol, value))
    return sorted(registers.values(), key=lambda r: r.address)


def read_linker_script(chip, wide):
    """Program memory words and data EEPROM bytes from the linker script's pages."""
    rom_end = 0
    eeprom = 0
    id_start = None
    pages = []
    with open(linker_path(chip), encoding="latin-1") as text:
        for line in text:
            match = _CODEPAGE.match(line.strip())
            if not match:
                continue
            name = match.group(1).lower()
            start, end = int(match.group(2), 16), int(match.group(3), 16)
            if "eedata" in name:
                eeprom = end - start + 1
            elif "idlocs" in name:
                id_start = start
            else:
                pages.append((start, end))
    # Program memory is every page below the ID locations (vectors and the
    # calibration word included): 12-bit cores put their IDs just above it.
    limit = id_start if id_start is not None else (0x200000 if wide else 0x2000)
    for start, end in pages:
        if start < limit:
            rom_end = max(rom_end, end + 1)
    rom_words = rom_end // 2 if wide else rom_end
    return rom_words, eeprom


def read_chip(chip, wide):
    facts = ChipFacts(chip)
    facts.registers = read_header(chip, wide)
    facts.rom_words, facts.eeprom_bytes = read_linker_script(chip, wide)
    return facts


def available():
    return os.path.isdir(HEADER_DIR) and os.path.isdir(LINKER_DIR)
