; A board firmware as its upgrade image holds it, for the golden recordings
; of an upgrade: each word XORed with 0x5C (the program takes the mask off
; again), the sixteenth word one that the program drops (the words after it
; move down one), and the ID the word that it puts last.
    processor 16f628
    __idlocs 0x1234
    org 0
    dw 0x280F ^ 0x5C ; goto 0x0F, where the code after the dropped word lands
    org 0x0F
    dw 0x0000 ^ 0x5C ; dropped
    dw 0x1683 ^ 0x5C ; bsf STATUS, RP0
    dw 0x0186 ^ 0x5C ; clrf TRISB
    dw 0x1283 ^ 0x5C ; bcf STATUS, RP0
    dw 0x0986 ^ 0x5C ; comf PORTB, f (0x12 once moved)
    dw 0x2812 ^ 0x5C ; goto 0x12
    end
