// The end of an exec in place, in plain 16-bit code.
//
// ExecCommit runs in this program: it gives the new program the PSP's memory
// (all of it, or what the program asks for), its command tail and FCBs, then
// copies the loader, with the program's path after it, to the top of the
// block and enters it there. The loader is addressed relative to
// loader_start, so it runs at offset 0 of any segment. It loads the new
// program where this one was (DOS "load overlay"), sets the registers as DOS
// does for a new program and jumps in. Neither can return: a failure ends
// the process with 255.
#include "shared.h"
    .code16
    .section .text.loader, "ax"
#if MZ_CS != MZ_IP + 2
#error "the loader jumps through the header's IP and CS as one far pointer"
#endif
    .set LOADER_STACK_SIZE, 64
    // The loader's copy: its code and data, the path, its stack.
    .set LOADER_PARAGRAPHS, (loader_end - loader_start + EXEC_PATH_SIZE + LOADER_STACK_SIZE + 15) / 16
    .globl ExecCommit
    .globl loader_header, loader_psp

// uint16_t ExecEnvironment(), called from C++ before anything is given up:
// the environment for the new program, ours followed by the word 1 and
// exec_program_path (exec_path_size bytes with its NUL), made where ours is
// when that block can hold it, else in a new block taken from the top of
// memory, so that the free space after our block stays in one piece. 0, or
// the error number for no memory (our block is as it was).
    .globl ExecEnvironment, exec_path_size
ExecEnvironment:
    pushl %esi
    pushl %edi
    pushl %ebx
    pushw %es
    cld
    movw loader_psp, %es
    movw %es:0x2C, %dx          // DX = our environment, 0 for none
    movw $1, %di                // none: a lone empty string
    testw %dx, %dx
    jz 3f
    movw %dx, %es
    xorw %di, %di
    xorb %al, %al
    cmpb %al, %es:(%di)
    je 2f
1:  movw $0x8000, %cx           // no environment is longer
    subw %di, %cx
    jbe 2f
    repne scasb
    cmpb %al, %es:(%di)
    jne 1b
2:  incw %di                    // past the closing empty string
3:  movw %di, env_length
    leaw 2+15(%di), %bx
    addw exec_path_size, %bx
    shrw $4, %bx
    movw %bx, env_paragraphs
    testw %dx, %dx
    jz 4f
    movb $0x4A, %ah             // resize ES = ours
    int $0x21
    jnc env_write
4:  movw loader_psp, %es        // shrink to this program, allocate high
    movw $_program_paragraphs + 0x10, %bx
    movb $0x4A, %ah
    int $0x21
    movw $0x5800, %ax
    int $0x21
    pushw %ax
    movw $0x5801, %ax
    movw $2, %bx                // last fit
    int $0x21
    movb $0x48, %ah
    movw env_paragraphs, %bx
    int $0x21
    sbbw %cx, %cx               // CX = FFFFh when it failed
    movw %ax, %di
    popw %bx
    movw $0x5801, %ax
    int $0x21
    jcxz 5f
    movw $0xFFFF, %bx           // none: our block back to all it can have
    movb $0x4A, %ah
    int $0x21
    movb $0x4A, %ah
    int $0x21
    movw $EXEC_NO_MEMORY, %ax
    jmp env_done
5:  movw loader_psp, %es
    movw %di, %es:0x2C
    movw %di, %es
    xorw %di, %di
    movw env_length, %cx
    testw %dx, %dx
    jnz 6f
    movb $0, %es:(%di)
    jmp env_write
6:  pushw %ds
    movw %dx, %ds
    xorw %si, %si
    rep movsb
    popw %ds
    pushw %es
    movw %dx, %es
    movb $0x49, %ah             // our old block goes
    int $0x21
    popw %es
env_write:
    movw env_length, %di
    movw $1, %ax
    stosw
    movw $exec_program_path, %si
    movw exec_path_size, %cx
    rep movsb
    xorw %ax, %ax
env_done:
    movzwl %ax, %eax
    popw %es
    popl %ebx
    popl %edi
    popl %esi
    retl

// Called from C++ (never returns), with loader_psp, loader_header (the new
// program's MZ header), exec_joined (tail text and CR), exec_joined_length
// and exec_program_path filled in.
ExecCommit:
    cld
    // EDX = PSP and load image in paragraphs, EAX = the least the program
    // runs in, ECX = the most it takes (DOS's rules); never so little that
    // the loader would land on this code.
    movzwl loader_header+MZ_PAGES, %eax
    shll $5, %eax
    movzwl loader_header+MZ_HEADER_PARAGRAPHS, %ecx
    subl %ecx, %eax
    movw loader_header+MZ_LAST_PAGE_BYTES, %cx
    andw $511, %cx
    jz 1f
    negw %cx
    addw $512, %cx
    shrw $4, %cx
    subl %ecx, %eax
1:  testl %eax, %eax
    jle commit_failed
    addl $0x10, %eax
    movl %eax, %edx
    movzwl loader_header+MZ_MIN_EXTRA, %ecx
    cmpw $LOADER_PARAGRAPHS, %cx
    jae 2f
    movw $LOADER_PARAGRAPHS, %cx
2:  addl %ecx, %eax
    movzwl loader_header+MZ_MAX_EXTRA, %ecx
    addl %edx, %ecx
    cmpl %eax, %ecx
    jae 3f
    movl %eax, %ecx
3:  cmpl $(_program_paragraphs + 0x10 + LOADER_PARAGRAPHS), %ecx
    jae 4f
    movl $(_program_paragraphs + 0x10 + LOADER_PARAGRAPHS), %ecx
4:  movl %eax, %esi
    movw loader_psp, %es
    movw $0xFFFF, %bx                   // grow over all free memory that follows: the
    movb $0x4A, %ah                     // first call fails with the most there is in BX
    int $0x21
    movb $0x4A, %ah
    int $0x21
    movzwl %bx, %ebx
    cmpl %esi, %ebx
    jb commit_failed
    cmpl %ebx, %ecx
    jae 5f
    movw %cx, %bx
    movb $0x4A, %ah
    int $0x21
5:  movw %es, %ax
    addw %bx, %ax
    movw %ax, %es:0x02                  // memory top in the PSP
    subw $LOADER_PARAGRAPHS, %ax
    pushw %ax
    movw exec_joined_length, %cx
    movb %cl, %es:0x80
    incw %cx
    movw $exec_joined, %si
    movw $0x81, %di
    rep movsb
    movw $exec_joined, %si              // the FCBs, parsed from the new tail
    movw $0x5C, %di
    call parse_fcb
    movb %al, %dl
    movw $0x6C, %di
    call parse_fcb
    movb %al, %ah
    movb %dl, %al
    movw %ax, loader_startup_ax
    popw %es                            // the loader's segment
    xorw %di, %di
    movw $loader_start, %si
    movw $(loader_end - loader_start), %cx
    rep movsb
    movw $exec_program_path, %si
    movw $EXEC_PATH_SIZE, %cx
    rep movsb
    pushw %es
    pushw $0
    lretw

// AL = FFh for an invalid drive, else 0, as DOS hands the flags on.
parse_fcb:
    movw $0x2901, %ax
    int $0x21
    cmpb $0xFF, %al
    je 1f
    xorb %al, %al
1:  ret

commit_failed:
    movw $(commit_no_memory), %dx
    jmp fail

loader_start:
    movw %cs, %ax
    movw %ax, %ds
    movw %ax, %es
    cli
    movw %ax, %ss
    movw $(LOADER_PARAGRAPHS * 16), %sp
    sti
    movw $(loader_end - loader_start), %dx      // DS:DX = the path, behind the loader
    movw $(loader_params - loader_start), %bx   // ES:BX = the parameters
    movw (loader_psp - loader_start), %ax
    addw $0x10, %ax
    movw %ax, (%bx)
    movw %ax, 2(%bx)
    addw %ax, (loader_header + MZ_CS - loader_start)
    addw %ax, (loader_header + MZ_SS - loader_start)
    movw $0x4B03, %ax
    int $0x21
    jc 1f
    // The registers a real DOS sets for an EXE it starts: SS:SP and CS:IP
    // from the header (relocated above), DS = ES = DX = PSP, AX = BX = the
    // FCB drive flags, SI = IP, DI = SP, interrupts enabled; CX = 00FFh and
    // BP = 091Eh as FreeDOS sets them (DOSBox: 091Ch; some programs look for
    // the 09h in BP's high byte). No reason is known for CX and the low byte
    // of BP: they are simply what DOS leaves there.
    cli
    movw (loader_header + MZ_SS - loader_start), %ss
    movw (loader_header + MZ_SP - loader_start), %sp
    sti
    movw (loader_startup_ax - loader_start), %ax
    movw %ax, %bx
    movw $0x00FF, %cx
    movw (loader_psp - loader_start), %dx
    movw (loader_header + MZ_IP - loader_start), %si
    movw %sp, %di
    movw $0x091E, %bp
    movw %dx, %es
    movw %dx, %ds
    ljmpw *%cs:(loader_header + MZ_IP - loader_start)  // IP, then CS
1:  movw $(loader_failed - loader_start), %dx
fail:
    movb $0x09, %ah
    int $0x21
    movw $0x4CFF, %ax
    int $0x21

loader_failed:
    .ascii "Loading the extender failed\r\n$"
    .balign 2
loader_params:                  // load segment, relocation factor
    .word 0, 0
loader_header:                  // the program's MZ header
    .space MZ_HEADER_SIZE
loader_startup_ax:              // FCB drive flags, as DOS gives them in AX
    .word 0
loader_psp:
    .word 0
loader_end:                     // the path follows, then the stack

commit_no_memory:
    .ascii "Not enough memory to load the extender\r\n$"
    .balign 2
exec_path_size:
    .word 0
env_length:
    .word 0
env_paragraphs:
    .word 0
