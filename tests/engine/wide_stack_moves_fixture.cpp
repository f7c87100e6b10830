// Objects for proving the disassembly check: the first function holds every
// kind of move the check must refuse, the second look-alikes it must let pass.
// Never linked into a program.

void AlignedWideStackMoves() {
    __asm__ volatile(
        "vmovdqa %ymm1, 0x20(%rsp)\n\t"
        "vmovdqa64 -0x40(%rbp), %zmm17\n\t"
        "vmovdqa32 %zmm2, 0x40(%rsp){%k1}\n\t"
        "vmovaps %ymm3, (%rsp,%rax,1)\n\t"
        "vmovapd 0x60(%rbp), %ymm4\n\t"
        "vmovntdq %zmm5, 0x80(%rsp)\n\t");
}

void HarmlessLookAlikes() {
    __asm__ volatile(
        "vmovdqu64 %zmm0, 0x40(%rsp)\n\t"  // unaligned move
        "vmovdqa64 %zmm0, (%rax)\n\t"      // not the stack
        "vmovdqa %xmm6, 0x20(%rsp)\n\t"    // 16 bytes: the stack is aligned for that
        "vmovups -0x20(%rbp), %ymm1\n\t"
        "vmovdqa %ymm2, 0x20(%rcx)\n\t");
}
