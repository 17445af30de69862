"""The chip families of the file and the rules that set each record's board
parameters. Every value carries its reason. Where the hand-written file of
24 chips already served a family, its values are kept: boards program those
chips with them. A family new to the file takes the values of the family
whose programming specification works the same way, and says which.

Board parameters: CORETYPE tells the board the programming algorithm (0 serial
EEPROM, 1-2 16-bit, 4 12-bit, 5-9 the 14-bit algorithms); ERASEMODE the erase
procedure; POWERSEQUENCE the order of VDD and VPP; PROGRAMDELAY, PROGRAMTRIES
and OVERPROGRAM the write timing; CALWORD, BANDGAP the factory calibration the
board must keep; CPWARN whether code protection can be undone; FUSEBLANK the
value of the configuration words that the program composes options from.
"""


class Family:
    def __init__(self, key, members, **rules):
        self.key = key
        self.members = members  # chip names, in the file's order
        self.rules = rules

    def __getattr__(self, name):
        try:
            return self.rules[name]
        except KeyError:
            raise AttributeError(name) from None


# Socket pictures by package. The 40-pin socket takes every chip with its pin 1
# at the lever end; a picture is drawn for 8, 14, 18, 28 (0.3") and 40 pins.
# 8-pin serial EEPROMs sit elsewhere (picture 9), wired for their own pinout.
SOCKET_BY_PINS = {
    8: 1,  # 8-pin PIC: VDD pin 1, VSS pin 8, MCLR pin 4, PGC/PGD pins 6/7
    14: 8,  # the 14-pin parts put VDD, MCLR, PGC, PGD, VSS where the 8-pin ones do
    18: 2,
    28: 3,  # every 28-pin part here comes as 0.3" skinny DIP
    40: 5,
}
SERIAL_EEPROM_SOCKET = 9

# Blank words: unimplemented 12- and 14-bit configuration bits read as 1 on
# these families, so the erased word is all ones.
BLANK_12BIT = 0x0FFF
BLANK_14BIT = 0x3FFF

# Timings of the hand-written records, by core: 12-bit flash parts were given
# 20, the 14-bit flash parts 50, the 18F parts 10 and the serial EEPROMs 10,
# each with one try and no overprogramming (flash and EEPROM cells are
# written once, self-timed or timed by the board, and need no extra pulses).
FLASH14 = dict(PROGRAMDELAY=50, PROGRAMTRIES=1, OVERPROGRAM=0)
FLASH12 = dict(PROGRAMDELAY=20, PROGRAMTRIES=1, OVERPROGRAM=0)
FLASH16 = dict(PROGRAMDELAY=10, PROGRAMTRIES=1, OVERPROGRAM=0)

# Flash chips: bulk erase clears code protection, so no warning; none has a
# factory calibration unless its family says so.
FLASH = dict(FLASHCHIP=True, CPWARN=False, CALWORD=False, BANDGAP=False)

FAMILIES = [
    Family(
        "24Cxx serial EEPROM",
        ["24C01", "24C02", "24C04", "24C08", "24C16", "24C32", "24C64",
         "24C128", "24C256", "24C512"],
        CORETYPE=0,  # no program memory: the board speaks I2C to the chip
        SOCKET=SERIAL_EEPROM_SOCKET,  # its own 8-pin place, wired for 24Cxx pins
        ERASEMODE=0,  # no bulk erase: the board writes every page with 0xFF
        POWERSEQUENCE="VCC",  # no programming voltage at all
        PROGRAMDELAY=10, PROGRAMTRIES=1, OVERPROGRAM=0,  # a page write cycle, once
        FUSEBLANK=0xFFFF,  # no configuration word; the value is never composed
        FLASHCHIP=True,  # electrically erasable, so Blank offers Erase
        CPWARN=False, CALWORD=False, BANDGAP=False,
    ),
    Family(
        "12F5xx/16F505/506 12-bit flash",
        ["12F508", "12F509", "12F510", "16F505", "16F506"],
        CORETYPE=4,  # the 12-bit core
        ERASEMODE=3,  # 12-bit bulk erase; the board keeps the OSCCAL word
        # An internal oscillator and an MCLR pin that can be an input: with VDD
        # first the chip's program could run and drive the programming pins,
        # so VPP comes first.
        POWERSEQUENCE="VPP1VCC",
        **FLASH12,
        FUSEBLANK=BLANK_12BIT,
        FLASHCHIP=True, CPWARN=False,
        CALWORD=True,  # MOVLW of the factory OSCCAL value in the last word
        BANDGAP=False,
    ),
    Family(
        "16F54 12-bit flash",
        ["16F54"],
        CORETYPE=4,
        ERASEMODE=3,  # the same 12-bit bulk erase, with no OSCCAL word to keep
        # External oscillator only and a dedicated MCLR pin: the program cannot
        # run while MCLR is held low, so VDD may come first, as for the 16F84A.
        POWERSEQUENCE="VCCVPP1",
        **FLASH12,
        FUSEBLANK=BLANK_12BIT,
        **FLASH,
    ),
    Family(
        "12C5xx 12-bit one-time programmable",
        ["12C508", "12C508A", "12C509", "12C509A"],
        CORETYPE=4,
        ERASEMODE=0,  # EPROM: no electrical erase
        POWERSEQUENCE="VCCVPP1",  # kept from the hand-written 12C508A record
        # EPROM cells take pulses until they verify (up to 8 here) and then
        # a multiple of that count again to make the charge last.
        PROGRAMDELAY=1, PROGRAMTRIES=8, OVERPROGRAM=11,
        FUSEBLANK=BLANK_12BIT,
        FLASHCHIP=False,
        CPWARN=True,  # code protection of an EPROM part can never be undone
        CALWORD=True,  # OSCCAL in the last word, as on the flash 12F508
        BANDGAP=False,
    ),
    Family(
        "16F84A",
        ["16F84A"],
        CORETYPE=5,  # single-word erase/program cycle of the 16F84A
        ERASEMODE=1,  # bulk erase of program and data memory
        POWERSEQUENCE="VCCVPP1",  # no internal oscillator, MCLR always MCLR
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F62x",
        ["16F627", "16F628"],
        CORETYPE=6,  # kept from the hand-written 16F628 record
        ERASEMODE=2,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # bit 9 is unimplemented and reads as 1
        **FLASH,
    ),
    Family(
        "16F62xA/648A",
        ["16F627A", "16F628A", "16F648A"],
        CORETYPE=7,  # kept from the hand-written 16F627A/628A records
        ERASEMODE=2,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # bits 12..9 are unimplemented and read as 1
        **FLASH,
    ),
    Family(
        "12F629/675/16F630/676",
        ["12F629", "12F675", "16F630", "16F676"],
        CORETYPE=8,  # program/erase keeping OSCCAL and the bandgap bits
        ERASEMODE=4,  # bulk erase after saving OSCCAL and bandgap
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        # Bits 11..9 are unimplemented and read as 0; the bandgap bits 13..12
        # are the chip's own and only the low 12 bits are compared for blank.
        FUSEBLANK=0x31FF,
        FLASHCHIP=True, CPWARN=False,
        CALWORD=True,  # RETLW of the factory OSCCAL value at the last address
        BANDGAP=True,  # factory bandgap calibration in configuration bits 13..12
    ),
    Family(
        "12F683/16F684/688",
        ["12F683", "16F684", "16F688"],
        # Load, bulk erase and self-timed Begin Programming of one word, as on
        # the 16F62xA: the same algorithm number.
        CORETYPE=7,
        ERASEMODE=2,  # bulk erase commands of the 16F62xA
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        # Bits 13..12 unimplemented, read as 1. The oscillator calibration is
        # a separate factory word the bulk erase leaves alone: no CALWORD.
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F818/819",
        ["16F818", "16F819"],
        # Write latches filled and written by Begin/End Programming, and a Chip
        # Erase command: the programming model of the 16F87xA.
        CORETYPE=9,
        ERASEMODE=5,  # Chip Erase command, as on the 16F87xA
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F87/88",
        ["16F87", "16F88"],
        CORETYPE=9,  # the 16F818/819 programming model
        ERASEMODE=5,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        # Configuration word 1 only: the program keeps one configuration word
        # for 14-bit cores; word 2 (clock monitor, switchover) stays erased.
        # gputils knows word 2 (0x2008, FCMEN and IESO) and gpasm writes it,
        # erased, whenever a program uses CONFIG directives: the loader takes
        # an erased word outside the chip's memory as no data, and reports a
        # file that sets word 2 as bytes it did not load.
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F87x",
        ["16F870", "16F871", "16F872", "16F873", "16F874", "16F876", "16F877"],
        CORETYPE=5,  # single-word erase/program cycle, as on the 16F84A
        ERASEMODE=1,  # bulk erase commands of the 16F84A
        POWERSEQUENCE="VCCVPP1",  # no internal oscillator, MCLR always MCLR
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # bit 10 unimplemented, reads as 1
        **FLASH,
        # WRT (bit 9) allows the program to write its own flash when set; on
        # the later parts the same name protects ranges.
        SELF_WRITE_BIT=True,
    ),
    Family(
        "16F87xA",
        ["16F873A", "16F874A", "16F876A", "16F877A"],
        CORETYPE=9,  # kept from the hand-written 16F876A/877A records
        ERASEMODE=5,
        POWERSEQUENCE="VCCVPP1",  # no internal oscillator, MCLR always MCLR
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # bits 12, 5, 4 unimplemented, read as 1
        **FLASH,
    ),
    Family(
        "16F88x",
        ["16F882", "16F883", "16F884", "16F886", "16F887"],
        CORETYPE=7,  # the 12F683 programming model
        ERASEMODE=2,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        # Word 1 only, as for the 16F87/88; word 2 (brown-out level, write
        # protection) stays erased: 4.0 V and no write protection. gputils'
        # word 2 (BOR4V, WRT) is settled as the 16F87/88's.
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F7x",
        ["16F72", "16F73", "16F74", "16F76", "16F77"],
        # Begin Programming is ended by End Programming after the board's
        # delay (not self-timed), as the 16F87xA's programming-only cycle.
        CORETYPE=9,
        ERASEMODE=1,  # a plain bulk erase command, as on the 16F84A
        POWERSEQUENCE="VCCVPP1",  # no internal oscillator, MCLR always MCLR
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # unimplemented bits read as 1
        **FLASH,
    ),
    Family(
        "16F716",
        ["16F716"],
        # The 16F7x command set: Begin Programming ended by End Programming
        # after the board's delay, and a plain bulk erase of program memory.
        CORETYPE=9,
        ERASEMODE=1,
        POWERSEQUENCE="VCCVPP1",  # no internal oscillator, MCLR always MCLR
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # unimplemented bits read as 1
        **FLASH,
    ),
    Family(
        "16F7x7",
        ["16F737", "16F747", "16F767", "16F777"],
        # The nanoWatt generation of the 16F87/88 (internal oscillator block,
        # fail-safe clock monitor, two configuration words) and their
        # programming model: Begin/End Programming and a Chip Erase command.
        CORETYPE=9,
        # Inferred from the programming model, not yet confirmed on a board;
        # README's chip notes say so until one does.
        ERASEMODE=5,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input (RE3)
        **FLASH14,
        # Word 1 only, as for the 16F87/88; word 2 (fail-safe clock monitor,
        # switchover, BORSEN) stays erased. gputils' word 2 (FCMEN, IESO,
        # BORSEN) is settled as the 16F87/88's.
        FUSEBLANK=BLANK_14BIT,
        **FLASH,
    ),
    Family(
        "16F91x",
        ["16F913", "16F914", "16F916", "16F917"],
        CORETYPE=7,  # the 12F683 programming model
        ERASEMODE=2,
        POWERSEQUENCE="VPP1VCC",  # internal oscillator and MCLR as input
        **FLASH14,
        FUSEBLANK=BLANK_14BIT,  # bit 13 unimplemented, reads as 1
        **FLASH,
    ),
]

# The 18F families share every rule; they differ in device ID documents only.
_RULES18 = dict(
    CORETYPE=2,  # kept from the hand-written 18F252/452/2550 records
    ERASEMODE=1,  # the 18F bulk erase; the board picks the key by core type
    # Kept from the hand-written 18F records: the 18F programming
    # specifications enter program mode with VDD already applied.
    POWERSEQUENCE="VCCVPP1",
    **FLASH16,
    # FUSEBLANK: every option bit set, unimplemented bits 0 (they read as 0).
    # The program composes a configuration word by clearing bits from
    # FUSEBLANK and masks loaded HEX words with it, so each bit an option can
    # set must be 1 here, even where the erased chip reads 0.
    FUSEBLANK=None,
    **FLASH,
)

for key, members, *own_rules in [
    ("18FXX2/XX8", ["18F242", "18F248", "18F252", "18F258",
                    "18F442", "18F448", "18F452", "18F458"]),
    ("18FXX20", ["18F1220", "18F1320", "18F2220", "18F2320", "18F4220", "18F4320"]),
    ("18F1230/1330", ["18F1230", "18F1330"]),
    # The 28-pin 18F2331/2431 put AVDD/AVSS on pins 7/8 (see the README).
    # BORV 11, the erased value, is reserved on these chips (their brown-out
    # levels are 2.7, 4.2 and 4.5 V); the header's symbol for it says 2.0 V.
    ("18FXX31 motor control", ["18F2331", "18F2431", "18F4331", "18F4431"],
     dict(RENAMED={"BORV": {"20": "Reserved"}})),
    ("18F2X21/4X21", ["18F2221", "18F2321", "18F4221", "18F4321"]),
    ("18F2X10/2X20/4X10/4X20", ["18F2410", "18F2420", "18F2510", "18F2520",
                                "18F4410", "18F4420", "18F4510", "18F4520"]),
    ("18F2X15/2X25/2X10/2X20 64K", ["18F2515", "18F2525", "18F2610", "18F2620",
                                    "18F4515", "18F4525", "18F4610", "18F4620"]),
    ("18F2450/4450 USB", ["18F2450", "18F4450"]),
    ("18F2455/2550/4455/4550 USB", ["18F2455", "18F2550", "18F4455", "18F4550"]),
    ("18F2458/2553/4458/4553 USB", ["18F2458", "18F2553", "18F4458", "18F4553"]),
    ("18F2X80/4X80 CAN", ["18F2480", "18F2580", "18F4480", "18F4580"]),
    ("18F2585/2680/4585/4680 CAN", ["18F2585", "18F2680", "18F4585", "18F4680"]),
]:
    FAMILIES.append(Family(key, members, **_RULES18, **(own_rules[0] if own_rules else {})))

# An erased field whose all-ones pattern no header option names still selects
# something: the data sheets' don't-care rows say what. The editor shows it
# as the first choice, since that is what an untouched word holds.
ERASED_MEANING = {
    # 11xx: external RC, CLKO on RA6
    "OSC": "RC (erased)",
    # 111x: HS oscillator with the PLL
    "FOSC": "HSPLL (erased)",
    # Fields whose all-ones meaning we do not state: named by their bits.
    "BBSIZ": "11 (erased)",
    "BORV": "11 (erased)",
}
