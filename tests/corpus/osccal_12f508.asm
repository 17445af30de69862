; 12-bit chip with a factory calibration word: the reset vector at the top of
; program memory holds MOVLW <calibration>, which the program takes into OSCCAL.
; The source leaves that word alone, as every 12F508 program does.
        list    p=12f508
        include "p12f508.inc"
        __config _IntRC_OSC & _WDT_OFF & _CP_OFF & _MCLRE_OFF

        org     0
        movwf   OSCCAL
        movlw   b'00001010'
        tris    GPIO
        clrf    GPIO
loop:   incf    GPIO, f
        goto    loop
        end
