// Start-up of the real-mode programs: one segment for everything, a cleared
// bss, a stack whose upper 16 bits are zero (the compiler addresses through
// ESP), then DosMain(psp), which never returns.
    .code16gcc
    .section .text.start, "ax"
    .globl _start
_start:
    movw %ds, %bx               // DOS enters with DS = ES = PSP
    movw %cs, %ax
    cli
    movw %ax, %ss
    movl $_stack_top, %esp
    sti
    movw %ax, %ds
    movw %ax, %es
    cld
    movl $_bss_start, %edi
    movl $_bss_end, %ecx
    subl %edi, %ecx
    xorb %al, %al
    rep stosb
    movzwl %bx, %eax
    pushl %eax
    calll DosMain
1:  hlt
    jmp 1b
