// The records and sizes that the assembly and the C++ share, defined once.
// The .S files read this through the C preprocessor (with __ASSEMBLER__
// defined), so it holds plain #defines only; the C++ that declares each
// record asserts every offset and size given here (dos.h, exec.cpp).
#pragma once

// DosRegs (dos.h), word by word, as DosCall (dos_calls.S) loads and stores it.
#define DOSREGS_AX 0
#define DOSREGS_BX 2
#define DOSREGS_CX 4
#define DOSREGS_DX 6
#define DOSREGS_SI 8
#define DOSREGS_DI 10
#define DOSREGS_ES 12
#define DOSREGS_FLAGS 14

// The new program's MZ header: ExecInPlace (exec.cpp) reads its first
// MZ_HEADER_SIZE bytes into loader_header (loader.S), which ExecCommit and the
// loader read back at these offsets.
#define MZ_HEADER_SIZE 28
#define MZ_LAST_PAGE_BYTES 2
#define MZ_PAGES 4
#define MZ_HEADER_PARAGRAPHS 8
#define MZ_MIN_EXTRA 10
#define MZ_MAX_EXTRA 12
#define MZ_SS 14
#define MZ_SP 16
#define MZ_IP 20
#define MZ_CS 22

// exec_program_path (exec.cpp): room for any DOS path, as the truename call
// (INT 21h AH=60h) wants. ExecCommit copies all of it behind the loader.
#define EXEC_PATH_SIZE 128

// The error number ExecEnvironment (loader.S) returns when memory runs out:
// NoMemory (errors.h).
#define EXEC_NO_MEMORY 12
