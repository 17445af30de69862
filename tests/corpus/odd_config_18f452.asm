; 16-bit chip whose configuration directives set only some bytes: the
; assembler writes them from odd addresses (3 bytes at 0x300001, 2 at
; 0x300005). ID and EEPROM records of odd length.
        list    p=18f452
        include "p18f452.inc"
        config  OSC = HS, WDT = OFF, LVP = OFF, BOR = OFF, PWRT = ON, STVR = ON

        org     0
        goto    start
        org     0x100
start:  movlw   0x55
        movwf   LATB, ACCESS
        bra     start

        org     0x200000
        db      0x01, 0x02, 0x03
        org     0xF00000
        de      1, 2, 3
        end
