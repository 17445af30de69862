; A small program for the 12-bit golden recordings: a few words and the
; configuration word.
    processor 16f54
    __config 0x0FF9
    org 0
start:
    movlw 0x5A
    movwf 0x10
    incf 0x10, f
    goto start
    end
