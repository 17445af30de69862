; A small program for the 14-bit golden recordings: code, an ID, EEPROM
; data and the configuration word.
    processor 16f84a
    __config 0x3FF1
    __idlocs 0x1234
    org 0
start:
    bsf 0x03, 5
    movlw 0x3C
    movwf 0x06
    goto start
    org 0x2100
    de 0x11, 0x22, 0x33
    end
