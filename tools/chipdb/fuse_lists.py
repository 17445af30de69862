"""LIST lines of a record: our own labels and option names over the settings
read from the header.

A LIST option's value is a whole configuration word in which the option's
bits are set as it wants and every other bit is 1, so that the program can
AND the choices together. 12/14-bit cores have one word; an 18F word k holds
CONFIGkL in its low and CONFIGkH in its high byte.
"""

import re

from fuse_settings import settings_of

MAX_LISTS = 30

LABELS = {
    "FOSC": "Oscillator", "OSC": "Oscillator", "OSCS": "Clock Switching",
    "WDTE": "Watchdog", "WDT": "Watchdog", "WDTPS": "WDT Postscale",
    "PWRTE": "Power-up Timer", "PWRT": "Power-up Timer",
    "MCLRE": "MCLR Pin", "BOREN": "Brown-out Reset", "BOR": "Brown-out Reset",
    "BORV": "Brown-out Voltage", "BOR4V": "Brown-out Voltage",
    "LVP": "Low Voltage Prog", "CPD": "Data Protect", "CP": "Code Protect",
    "DEBUG": "Debugger", "CCPMX": "CCP1 Pin", "CCP2MX": "CCP2 Pin",
    "IESO": "Two-Speed Start", "FCMEN": "Fail-Safe Clock", "FSCM": "Fail-Safe Clock",
    "STVR": "Stack Reset", "STVREN": "Stack Reset", "XINST": "Extended Instr",
    "PBADEN": "PORTB A/D", "PBAD": "PORTB A/D", "LPT1OSC": "Timer1 Osc",
    "PLLDIV": "PLL Prescaler", "CPUDIV": "CPU Postscaler", "USBDIV": "USB Clock",
    "VREGEN": "USB Regulator", "ICPRT": "ICPORT", "BBSIZ": "Boot Block Size",
    "IOSCFS": "INTOSC 8 MHz", "CPB": "Boot Protect", "WRTC": "Config Write",
    "WRTB": "Boot Write", "WRTD": "Data Write", "EBTRB": "Boot Table Read",
    "BODENV": "Brown-out Voltage", "WDTEN": "Watchdog", "WDPS": "WDT Postscale",
    "PWRTEN": "Power-up Timer", "WINEN": "WDT Window", "PWMPIN": "PWM at Reset",
    "LPOL": "Low-Side Polarity", "HPOL": "High-Side Polarity", "T1OSCMX": "Timer1 Osc",
    "FLTAMX": "FLTA Pin", "SSPMX": "SSP Pins", "PWM4MX": "PWM4 Pin",
    "EXCLKMX": "TMR0/T5CKI Pin",
}
BLOCK_LABELS = {"CP": "Code Protect", "WRT": "Write Protect", "EBTR": "Table Read"}
# Settings whose ON protects something: On/Off rather than Enabled/Disabled.
PROTECT = re.compile(r"^(CP\d?|CPD|CPB|WRT\d?|WRT[BCD]|EBTR\d|EBTRB)$")

FIXED_NAMES = {
    "CCP2MX": {"ON": "RC1", "OFF": "RB3", "PORTC": "RC1", "PORTBE": "RB3"},
    "PBADEN": {"ON": "Analog", "OFF": "Digital", "ANA": "Analog", "DIG": "Digital"},
    "PBAD": {"ANA": "Analog", "DIG": "Digital"},
    "LPT1OSC": {"ON": "Low Power", "OFF": "High Power"},
    "MCLRE": {"ON": "MCLR", "OFF": "Input"},
    "USBDIV": {"1": "Oscillator", "2": "PLL /2"},
    "BOR4V": {"BOR21V": "2.1V", "BOR40V": "4.0V"},
    "BOREN": {"SBODEN": "Software", "SBORENCTRL": "Software", "NSLEEP": "Not in Sleep",
              "NOSLP": "Not in Sleep", "BOACTIVE": "Not in Sleep", "BOHW": "Hardware",
              "SBORDIS": "Hardware"},
    "BOR": {"SOFT": "Software", "ON ACTIVE": "Not in Sleep", "NOSLP": "Not in Sleep",
            "SBORENCTRL": "Software", "BOACTIVE": "Not in Sleep", "BOHW": "Hardware"},
    "PWMPIN": {"ON": "Active", "OFF": "Off"},
    "LPOL": {"LOW": "Active Low", "HIGH": "Active High"},
    "HPOL": {"LOW": "Active Low", "HIGH": "Active High"},
    # 18F1230/1330: where T1OSO/T1CKI sit; 18FXX31: the low-power Timer1 oscillator.
    "T1OSCMX": {"LOW": "RB2", "HIGH": "RA6", "ON": "Low Power", "OFF": "Legacy"},
    "SSPMX": {"RD1": "PORTD", "RC7": "PORTC"},
}
# 14-bit code protection ranges end at the top of memory; write protection
# ranges start at address 0.
CP_RANGES = {"ALL": "All", "HALF": "Upper half", "UPPER 256": "Upper 256",
             "75": "Upper 75%", "50": "Upper 50%"}
WRT_RANGES = {"ALL": "All", "OFF": "Off", "HALF": "Lower half", "1FOURTH": "Lower quarter"}



def option_name(token, name, core_words):
    """The text the fuse editor shows for one option."""
    fixed = FIXED_NAMES.get(token, {})
    if name in fixed:
        return fixed[name]
    if token == "WRT" and core_words == 1:
        return WRT_RANGES.get(name, "Lower " + name)
    if token == "CP" and name in CP_RANGES:
        return CP_RANGES[name]
    if name in ("ON", "OFF"):
        if PROTECT.match(token):
            return "On" if name == "ON" else "Off"
        return "Enabled" if name == "ON" else "Disabled"
    if token == "PLLDIV":
        return "/" + name
    if token in ("WDTPS", "WDPS"):
        return "1:" + name
    if token in ("BORV", "BODENV") and re.fullmatch(r"\d\d", name):
        return "%s.%sV" % (name[0], name[1])
    if token == "BORV":
        return "Level " + name
    if token == "BBSIZ":
        return name.replace("BB", "") + " words"
    return name


def label_of(token, core_words):
    if token == "WRT" and core_words == 1:
        return "Write Protect"
    match = re.fullmatch(r"(CP|WRT|EBTR)(\d)", token)
    if match:
        return "%s Block %s" % (BLOCK_LABELS[match.group(1)], match.group(2))
    return LABELS[token]


class FuseList:
    def __init__(self, word, label, options):
        self.word = word  # configuration word 1..7
        self.label = label
        self.options = options  # (name, 16-bit word value), blank first


def _word_value(register, value, wide):
    if not wide:
        return value
    if register.address % 2 == 0:
        return 0xFF00 | value
    return (value << 8) | 0xFF


def _word_number(register, wide):
    return (register.address - 0x300000) // 2 + 1 if wide else 1


def _ordered(options, field, blank):
    """The option the blank word selects first, then by value from the top."""
    first = [o for o in options if o[1] & field == blank & field]
    rest = sorted((o for o in options if o not in first), key=lambda o: -o[1])
    return first + rest


def _merge_blocks(lists, wide):
    """Folds per-block protection bits of one kind into one list with every
    combination, most blocks first, until the record has at most 30 lists."""
    while len(lists) > MAX_LISTS:
        groups = {}
        for entry in lists:
            match = re.fullmatch(r"(CP|WRT|EBTR)(\d)", entry[0])
            if match:
                groups.setdefault(match.group(1), []).append(entry)
        kind, members = max(groups.items(), key=lambda g: len(g[1]))
        if len(members) < 2:
            raise ValueError("too many fuse lists and nothing left to merge")
        register = members[0][1]
        bits = [(int(re.sub(r"\D", "", m[0])), m[2].field) for m in members]
        options = []
        for combo in range(1 << len(bits)):
            value = register.width_mask
            chosen = []
            for i, (block, bit) in enumerate(bits):
                if combo >> i & 1:
                    value &= ~bit
                    chosen.append(str(block))
            if not chosen:
                name = "Off"
            else:
                name = ("Block " if len(chosen) == 1 else "Blocks ") + ",".join(chosen)
            options.append((name, value))
        field = 0
        for _, bit in bits:
            field |= bit
        merged = (kind, register, None, field, options, BLOCK_LABELS[kind])
        at = lists.index(members[0])
        lists = [e for e in lists if e not in members]
        lists.insert(at, merged)
    return lists


def build_lists(facts, wide, blank_words, erased_meaning, self_write=False, renamed=None):
    """The record's fuse lists. `blank_words` are the FUSEBLANK words (1-based);
    `self_write`: the chip's 14-bit WRT bit enables self-writes, not protection;
    `renamed`: {setting: {header value name: shown name}} where a family's
    data sheet names a value otherwise than its header symbol."""
    renamed = renamed or {}
    core_words = 7 if wide else 1
    registers = facts.registers if wide else facts.registers[:1]
    entries = []
    for register in registers:
        for setting in settings_of(register):
            if self_write and setting.token == "WRT":
                # Set, the bit allows the program to write its own flash;
                # the headers name the two values differently from chip to chip.
                named = [("Enabled" if v == register.width_mask else "Disabled", v)
                         for _, v in setting.options]
                label = "Flash Self-Write"
            else:
                own = renamed.get(setting.token, {})
                named = [(own.get(n) or option_name(setting.token, n, core_words), v)
                         for n, v in setting.options]
                label = label_of(setting.token, core_words)
            if not any(v == register.width_mask for _, v in named):
                if setting.token not in erased_meaning:
                    raise ValueError("%s %s: erased pattern has no meaning" %
                                     (facts.name, setting.token))
                named.append((erased_meaning[setting.token], register.width_mask))
            entries.append((setting.token, register, setting, setting.field, named, label))
    entries = _merge_blocks(entries, wide)
    lists = []
    for _, register, _, field, options, label in entries:
        word = _word_number(register, wide)
        as_words = [(n, _word_value(register, v, wide)) for n, v in options]
        word_field = _word_value(register, ~field & register.width_mask, wide) ^ 0xFFFF
        word_field &= 0xFFFF if wide else register.width_mask
        lists.append(FuseList(word, label, _ordered(as_words, word_field,
                                                    blank_words[word])))
    return lists
