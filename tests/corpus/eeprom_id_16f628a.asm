; 14-bit chip with data EEPROM, ID locations and a configuration word.
        list    p=16f628a
        include "p16f628a.inc"
        __config _INTOSC_OSC_NOCLKOUT & _WDT_OFF & _PWRTE_ON & _LVP_OFF & _BOREN_ON & _CP_OFF
        __idlocs 0x1A2B

        org     0
        goto    start
        org     4
        retfie
start:  movlw   0x07
        movwf   CMCON
        bsf     STATUS, RP0
        clrf    TRISB
        bcf     STATUS, RP0
loop:   incf    PORTB, f
        goto    loop

        org     0x2100
        de      "Tessaro", 0
        de      0x5A, 0xA5
        end
