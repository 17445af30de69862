; 14-bit chip with a factory calibration word (RETLW <calibration> in the last
; program word) and bandgap calibration bits in the configuration word. The
; program calls the calibration word; the source defines neither.
        list    p=12f675
        include "p12f675.inc"
        __config _INTRC_OSC_NOCLKOUT & _WDT_OFF & _PWRTE_ON & _MCLRE_OFF & _BODEN_ON & _CP_OFF & _CPD_OFF
        __idlocs 0x0675

        org     0
        bsf     STATUS, RP0
        call    0x3FF
        movwf   OSCCAL
        bcf     STATUS, RP0
loop:   incf    GPIO, f
        goto    loop

        org     0x2100
        de      0x01, 0x02, 0x03
        end
