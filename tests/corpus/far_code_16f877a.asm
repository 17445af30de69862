; 14-bit chip with code in the upper pages (above 0x800), reached by PAGESEL.
        list    p=16f877a
        include "p16f877a.inc"
        __config _HS_OSC & _WDT_OFF & _PWRTE_ON & _LVP_OFF & _CP_OFF
        __idlocs 0x4321

        org     0
        pagesel far
        goto    far

        org     0x0900
page1:  movlw   0x11
        return

        org     0x1800
far:    pagesel page1
        call    page1
        pagesel far
        movwf   PORTB
        goto    far

        org     0x2100
        de      "EE", 0x11, 0x22
        end
