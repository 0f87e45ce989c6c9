/* A small-model MS-DOS program: one 64 KiB segment holds code, data, bss and
   stack, so CS = DS = ES = SS and every pointer is a plain offset. The output
   is the whole MZ file: a 64-byte header (no relocations: the only segment
   values are the header's own, which DOS adjusts), then the load image. */
OUTPUT_FORMAT(binary)
ENTRY(_start)

STACK_SIZE = 0x600;
HEADER_SIZE = 0x40;

SECTIONS
{
    /* Never loaded: its address only keeps it clear of the image's offsets. */
    .header 0x20000 : AT(0)
    {
        SHORT(0x5A4D)                                       /* "MZ" */
        SHORT((HEADER_SIZE + _image_end) % 512)             /* bytes in last page */
        SHORT((HEADER_SIZE + _image_end + 511) / 512)       /* pages */
        SHORT(0)                                            /* relocations */
        SHORT(HEADER_SIZE / 16)                             /* header paragraphs */
        SHORT((_stack_top - _image_end + 15) / 16)          /* min extra paragraphs */
        SHORT(0xFFFF)                                       /* max extra paragraphs */
        SHORT(0)                                            /* SS, relative */
        SHORT(_stack_top)                                   /* SP */
        SHORT(0)                                            /* checksum */
        SHORT(_start)                                       /* IP */
        SHORT(0)                                            /* CS, relative */
        SHORT(HEADER_SIZE)                                  /* relocation table */
        SHORT(0)                                            /* overlay */
        FILL(0)
        . = 0x3C;
        LONG(0)                                             /* new header, set by splice */
    }

    .image 0 : AT(HEADER_SIZE)
    {
        *(.text.start)
        *(.text .text.*)
        *(.rodata .rodata.*)
        *(.data .data.*)
        _image_end = .;
    }

    .bss (NOLOAD) :
    {
        _bss_start = .;
        *(.bss .bss.*)
        *(COMMON)
        . = ALIGN(16);
        _bss_end = .;
        . += STACK_SIZE;
        _stack_top = .;
    }
    _program_paragraphs = (_stack_top + 15) / 16;

    /DISCARD/ : { *(.eh_frame*) *(.comment) *(.note*) *(.got*) *(.igot*) *(.rel*) }
}

ASSERT(_stack_top <= 0xFFF0, "program does not fit in one segment")
