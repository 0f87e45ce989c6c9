/* The DOS stub: a DOS program as dos.ld makes it, in a byte budget.

   splice (tools/splice) puts the stub in front of the PE headers of every
   QUORIX.EXE, the headers at the next multiple of 8 bytes, and refuses the
   build when the headers would end past the first section's address (RVA):
   Windows maps the headers below it. The first section's file offset is no
   limit: splice moves the section data back by whole FileAlignment units.
   So the stub, that gap and the PE headers of the widest build share the
   bytes below the first section's address. */
INCLUDE dos.ld

/* From the mingw output of both widths (x86_64-w64-mingw32-objdump -h -p):
   the first section, .text, at RVA 1000h (the SectionAlignment), its data
   at file offset 400h (SizeOfHeaders, FileAlignment 200h); 7 section headers
   at either width (.text .data .rdata .bss .idata .rsrc .reloc); an optional
   header of 224 bytes in PE32, 240 in PE32+. */
PE_FIRST_SECTION = 0x1000;
PE_HEADERS = 4 + 20 + 240 + 7 * 40;     /* signature, file header, PE32+ optional header, section headers: 544 */
STUB_BUDGET = PE_FIRST_SECTION - PE_HEADERS;    /* 3552, a multiple of 8 */

ASSERT((HEADER_SIZE + _image_end + 7) / 8 * 8 <= STUB_BUDGET,
       "DOS stub over its budget of 3552 bytes: 4096 (the first section of QUORIX.EXE) less 544 of PE headers (signature 4, file header 20, PE32+ optional header 240, 7 section headers of 40); see dosstub/stub.ld")
