; 16-bit chip, built by the linker: configuration records both aligned
; (4 bytes at 0x300000) and not (2 bytes at 0x300005, crossing into the next
; word), a packed string of odd length in program memory and odd-length EEPROM data.
        list    p=18f4550
        include "p18f4550.inc"
        config  PLLDIV = 2, FOSC = HS, PWRT = ON, BOR = OFF, WDT = OFF
        config  PBADEN = OFF, LVP = OFF, XINST = OFF

reset_v code    0
        goto    start

main    code
start:  movlw   upper greeting
        movwf   TBLPTRU, ACCESS
        movlw   high greeting
        movwf   TBLPTRH, ACCESS
        movlw   low greeting
        movwf   TBLPTRL, ACCESS
        tblrd*+
        bra     start

text    code_pack 0x200
greeting:
        db      "Hello"

eeprom  code_pack 0xF00000
        de      "Tessaro"
        end
