"""Our own table of the chips in the file: device ID, package pins, and the
programming specification each ID is taken from.

The device ID is the value the chip reports in its device ID word with the
revision bits (4..0) cleared; None for chips that have no device ID word (the
12-bit cores). A chip whose ID we could not state with certainty from its
programming specification is not in this table and so not in the file: a
wrong ID would make the program refuse a good chip.
"""

# Programming specifications, one per document family.
SPEC_24CXX = "24Cxx serial EEPROM data sheets (no device ID)"
SPEC_12C5XX = "PIC12C5XX programming specification (12-bit: no device ID)"
SPEC_12F5XX = "PIC12F508/509/16F505 and PIC12F510/16F506 programming specifications (12-bit: no device ID)"
SPEC_16F54 = "PIC16F54 programming specification (12-bit: no device ID)"
SPEC_16F84A = "PIC16F84A programming specification"
SPEC_16F62X = "PIC16F62X programming specification"
SPEC_16F62XA = "PIC16F627A/628A/648A programming specification"
SPEC_12F629 = "PIC12F629/675/16F630/676 programming specification"
SPEC_12F6XX = "PIC12F6XX/16F6XX programming specification"
SPEC_16F818 = "PIC16F818/819 programming specification"
SPEC_16F87_88 = "PIC16F87/88 programming specification"
SPEC_16F87X = "PIC16F87X programming specification"
SPEC_16F87XA = "PIC16F87XA programming specification"
SPEC_16F88X = "PIC16F88X programming specification"
SPEC_16F72 = "PIC16F72 programming specification"
SPEC_16F7X = "PIC16F7X programming specification"
SPEC_16F91X = "PIC16F91X/946 programming specification"
SPEC_16F716 = "PIC16F716 programming specification (DS40245)"
SPEC_16F7X7 = "PIC16F7X7 programming specification (DS30492)"
SPEC_18FXX2 = "PIC18FXX2/XX8 programming specification"
SPEC_18FXX20 = "PIC18FXX20 programming specification"
SPEC_18F2XXX = "PIC18F2XXX/4XXX programming specification"
SPEC_18F1230 = "PIC18F1230/1330 programming specification (DS39752)"
SPEC_18FXX31 = "PIC18FXX31 programming specification (DS30500)"

# name: (device ID or None, pins, document)
CHIPS = {
    "24C01": (None, 8, SPEC_24CXX),
    "24C02": (None, 8, SPEC_24CXX),
    "24C04": (None, 8, SPEC_24CXX),
    "24C08": (None, 8, SPEC_24CXX),
    "24C16": (None, 8, SPEC_24CXX),
    "24C32": (None, 8, SPEC_24CXX),
    "24C64": (None, 8, SPEC_24CXX),
    "24C128": (None, 8, SPEC_24CXX),
    "24C256": (None, 8, SPEC_24CXX),
    "24C512": (None, 8, SPEC_24CXX),
    "12C508": (None, 8, SPEC_12C5XX),
    "12C508A": (None, 8, SPEC_12C5XX),
    "12C509": (None, 8, SPEC_12C5XX),
    "12C509A": (None, 8, SPEC_12C5XX),
    "12F508": (None, 8, SPEC_12F5XX),
    "12F509": (None, 8, SPEC_12F5XX),
    "12F510": (None, 8, SPEC_12F5XX),
    "16F505": (None, 14, SPEC_12F5XX),
    "16F506": (None, 14, SPEC_12F5XX),
    "16F54": (None, 18, SPEC_16F54),
    "16F84A": (0x0560, 18, SPEC_16F84A),
    "16F627": (0x07A0, 18, SPEC_16F62X),
    "16F628": (0x07C0, 18, SPEC_16F62X),
    "16F627A": (0x1040, 18, SPEC_16F62XA),
    "16F628A": (0x1060, 18, SPEC_16F62XA),
    "16F648A": (0x1100, 18, SPEC_16F62XA),
    "12F629": (0x0F80, 8, SPEC_12F629),
    "12F675": (0x0FC0, 8, SPEC_12F629),
    "16F630": (0x10C0, 14, SPEC_12F629),
    "16F676": (0x10E0, 14, SPEC_12F629),
    "12F683": (0x0460, 8, SPEC_12F6XX),
    "16F684": (0x1080, 14, SPEC_12F6XX),
    "16F688": (0x1180, 14, SPEC_12F6XX),
    "16F818": (0x04C0, 18, SPEC_16F818),
    "16F819": (0x04E0, 18, SPEC_16F818),
    "16F87": (0x0720, 18, SPEC_16F87_88),
    "16F88": (0x0760, 18, SPEC_16F87_88),
    "16F870": (0x0D00, 28, SPEC_16F87X),
    "16F871": (0x0D20, 40, SPEC_16F87X),
    "16F872": (0x08E0, 28, SPEC_16F87X),
    "16F873": (0x0960, 28, SPEC_16F87X),
    "16F874": (0x0920, 40, SPEC_16F87X),
    "16F876": (0x09E0, 28, SPEC_16F87X),
    "16F877": (0x09A0, 40, SPEC_16F87X),
    "16F873A": (0x0E40, 28, SPEC_16F87XA),
    "16F874A": (0x0E60, 40, SPEC_16F87XA),
    "16F876A": (0x0E00, 28, SPEC_16F87XA),
    "16F877A": (0x0E20, 40, SPEC_16F87XA),
    "16F882": (0x2000, 28, SPEC_16F88X),
    "16F883": (0x2020, 28, SPEC_16F88X),
    "16F884": (0x2040, 40, SPEC_16F88X),
    "16F886": (0x2060, 28, SPEC_16F88X),
    "16F887": (0x2080, 40, SPEC_16F88X),
    "16F72": (0x00A0, 28, SPEC_16F72),
    "16F73": (0x0600, 28, SPEC_16F7X),
    "16F74": (0x0620, 40, SPEC_16F7X),
    "16F76": (0x0640, 28, SPEC_16F7X),
    "16F77": (0x0660, 40, SPEC_16F7X),
    "16F716": (0x1140, 18, SPEC_16F716),
    "16F737": (0x0BA0, 28, SPEC_16F7X7),
    "16F747": (0x0BE0, 40, SPEC_16F7X7),
    "16F767": (0x0EA0, 28, SPEC_16F7X7),
    "16F777": (0x0DE0, 40, SPEC_16F7X7),
    "16F913": (0x13E0, 28, SPEC_16F91X),
    "16F914": (0x13C0, 40, SPEC_16F91X),
    "16F916": (0x13A0, 28, SPEC_16F91X),
    "16F917": (0x1380, 40, SPEC_16F91X),
    "18F242": (0x0480, 28, SPEC_18FXX2),
    "18F248": (0x0800, 28, SPEC_18FXX2),
    "18F252": (0x0400, 28, SPEC_18FXX2),
    "18F258": (0x0840, 28, SPEC_18FXX2),
    "18F442": (0x04A0, 40, SPEC_18FXX2),
    "18F448": (0x0820, 40, SPEC_18FXX2),
    "18F452": (0x0420, 40, SPEC_18FXX2),
    "18F458": (0x0860, 40, SPEC_18FXX2),
    "18F1220": (0x07E0, 18, SPEC_18FXX20),
    "18F1320": (0x07C0, 18, SPEC_18FXX20),
    "18F2220": (0x0580, 28, SPEC_18FXX20),
    "18F2320": (0x0500, 28, SPEC_18FXX20),
    "18F4220": (0x05A0, 40, SPEC_18FXX20),
    "18F4320": (0x0520, 40, SPEC_18FXX20),
    "18F1230": (0x1E00, 18, SPEC_18F1230),
    "18F1330": (0x1E20, 18, SPEC_18F1230),
    "18F2331": (0x08E0, 28, SPEC_18FXX31),
    "18F2431": (0x08C0, 28, SPEC_18FXX31),
    "18F4331": (0x08A0, 40, SPEC_18FXX31),
    "18F4431": (0x0880, 40, SPEC_18FXX31),
    "18F2221": (0x2160, 28, SPEC_18F2XXX),
    "18F2321": (0x2120, 28, SPEC_18F2XXX),
    "18F4221": (0x2140, 40, SPEC_18F2XXX),
    "18F4321": (0x2100, 40, SPEC_18F2XXX),
    "18F2410": (0x1160, 28, SPEC_18F2XXX),
    "18F2420": (0x1140, 28, SPEC_18F2XXX),
    "18F2510": (0x1120, 28, SPEC_18F2XXX),
    "18F2520": (0x1100, 28, SPEC_18F2XXX),
    "18F4410": (0x10E0, 40, SPEC_18F2XXX),
    "18F4420": (0x10C0, 40, SPEC_18F2XXX),
    "18F4510": (0x10A0, 40, SPEC_18F2XXX),
    "18F4520": (0x1080, 40, SPEC_18F2XXX),
    "18F2515": (0x0CE0, 28, SPEC_18F2XXX),
    "18F2525": (0x0CC0, 28, SPEC_18F2XXX),
    "18F2610": (0x0CA0, 28, SPEC_18F2XXX),
    "18F2620": (0x0C80, 28, SPEC_18F2XXX),
    "18F4515": (0x0C60, 40, SPEC_18F2XXX),
    "18F4525": (0x0C40, 40, SPEC_18F2XXX),
    "18F4610": (0x0C20, 40, SPEC_18F2XXX),
    "18F4620": (0x0C00, 40, SPEC_18F2XXX),
    "18F2450": (0x2420, 28, SPEC_18F2XXX),
    "18F4450": (0x2400, 40, SPEC_18F2XXX),
    "18F2455": (0x1260, 28, SPEC_18F2XXX),
    "18F2550": (0x1240, 28, SPEC_18F2XXX),
    "18F4455": (0x1220, 40, SPEC_18F2XXX),
    "18F4550": (0x1200, 40, SPEC_18F2XXX),
    "18F2458": (0x2A60, 28, SPEC_18F2XXX),
    "18F2553": (0x2A40, 28, SPEC_18F2XXX),
    "18F4458": (0x2A20, 40, SPEC_18F2XXX),
    "18F4553": (0x2A00, 40, SPEC_18F2XXX),
    "18F2480": (0x1AE0, 28, SPEC_18F2XXX),
    "18F2580": (0x1AC0, 28, SPEC_18F2XXX),
    "18F4480": (0x1AA0, 40, SPEC_18F2XXX),
    "18F4580": (0x1A80, 40, SPEC_18F2XXX),
    "18F2585": (0x0EE0, 28, SPEC_18F2XXX),
    "18F2680": (0x0EC0, 28, SPEC_18F2XXX),
    "18F4585": (0x0EA0, 40, SPEC_18F2XXX),
    "18F4680": (0x0E80, 40, SPEC_18F2XXX),
}
