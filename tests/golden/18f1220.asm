; A small program for the 16-bit golden recordings: code, EEPROM data and
; two configuration bytes.
    processor 18f1220
    config OSC = INTIO2, WDT = OFF, LVP = OFF
    org 0
start:
    movlw 0x5A
    movwf 0x20, 0
    bra start
    org 0xF00000
    de 0x44, 0x55
    end
