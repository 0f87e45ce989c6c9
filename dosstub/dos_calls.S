// The DOS services written in assembly: a DOS call with every register given
// (C++ cannot say that in real mode), a byte or word from another segment,
// copies between segments, a variable looked up in an environment block.
#include "shared.h"
    .code16gcc
    .text

// void DosCall(void): INT 21h with AX BX CX DX SI DI ES from dosRegs, and
// all of them, with the flags, written back. DS stays ours.
    .globl DosCall
DosCall:
    pushl %ebx
    pushl %esi
    pushl %edi
    pushw %es
    movw dosRegs+DOSREGS_BX, %bx
    movw dosRegs+DOSREGS_CX, %cx
    movw dosRegs+DOSREGS_DX, %dx
    movw dosRegs+DOSREGS_SI, %si
    movw dosRegs+DOSREGS_DI, %di
    movw dosRegs+DOSREGS_ES, %es
    movw dosRegs+DOSREGS_AX, %ax
    int $0x21
    movw %ax, dosRegs+DOSREGS_AX
    movw %bx, dosRegs+DOSREGS_BX
    movw %cx, dosRegs+DOSREGS_CX
    movw %dx, dosRegs+DOSREGS_DX
    movw %si, dosRegs+DOSREGS_SI
    movw %di, dosRegs+DOSREGS_DI
    movw %es, dosRegs+DOSREGS_ES
    pushfw
    popw dosRegs+DOSREGS_FLAGS
    popw %es
    popl %edi
    popl %esi
    popl %ebx
    retl

// uint8_t PeekByte(uint16_t seg, uint16_t off) and uint16_t PeekWord(...),
// arguments in AX and DX.
    .globl PeekByte, PeekWord
PeekByte:
    pushl %ebx
    pushw %ds
    movw %ax, %ds
    movw %dx, %bx
    movzbl (%bx), %eax
    jmp 1f
PeekWord:
    pushl %ebx
    pushw %ds
    movw %ax, %ds
    movw %dx, %bx
    movzwl (%bx), %eax
1:  popw %ds
    popl %ebx
    retl

// void FarCopy(uint16_t dstSeg, uint16_t dstOff, uint16_t srcSeg, uint16_t srcOff,
// uint16_t count): the first three in AX DX CX, the last two on the stack.
    .globl FarCopy
FarCopy:
    pushl %esi
    pushl %edi
    pushw %ds
    pushw %es
    movw %ax, %es
    movw %dx, %di
    movw 16(%esp), %si
    movw %cx, %ds
    movw %ss:20(%esp), %cx
    cld
    rep movsb
    popw %es
    popw %ds
    popl %edi
    popl %esi
    retl

// uint16_t EnvFind(uint16_t env, const char* name), in AX and DX: the offset
// of the value of `name` (given with its "=") in the environment at segment
// env, or FFFFh when it is not there.
    .globl EnvFind
EnvFind:
    pushl %esi
    pushl %edi
    pushw %es
    cld
    movw %ax, %es
    xorw %di, %di
    testw %ax, %ax
    jz 4f
1:  cmpb $0, %es:(%di)
    je 4f
    movw %dx, %si
2:  lodsb
    testb %al, %al
    jz 5f
    scasb
    je 2b
    decw %di                    // to the end of this string
    movw $0xFFFF, %cx
    xorb %al, %al
    repne scasb
    cmpw $0x8000, %di           // no environment is longer
    jb 1b
4:  movw $0xFFFF, %di
5:  movzwl %di, %eax
    popw %es
    popl %edi
    popl %esi
    retl
