#include <cpuid.h>

#include "engine/crc16_tiers.h"

namespace {

// CPUID leaf 1, ECX.
constexpr unsigned kPclmulqdq = 1u << 1, kSse41 = 1u << 19, kOsXsave = 1u << 27, kAvx = 1u << 28;
// CPUID leaf 7, EBX and ECX.
constexpr unsigned kAvx2 = 1u << 5, kAvx512f = 1u << 16, kVpclmulqdq = 1u << 10;
// XCR0: SSE, AVX (upper YMM halves), opmask, both halves of ZMM 0-15, ZMM 16-31.
constexpr unsigned kYmmState = 0x06, kZmmState = 0xE6;

struct Features {
    unsigned leaf1Ecx = 0, leaf7Ebx = 0, leaf7Ecx = 0;
};

Features ReadFeatures() {
    Features features;
    unsigned eax, ebx, ecx, edx;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx)) {
        features.leaf1Ecx = ecx;
    }
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx)) {
        features.leaf7Ebx = ebx;
        features.leaf7Ecx = ecx;
    }
    return features;
}

// The processor having the registers is not enough: the operating system must
// save them on a thread switch, which it announces in XCR0.
bool SystemSavesState(const Features& features, unsigned stateBits) {
    if (!(features.leaf1Ecx & kOsXsave)) {
        return false;
    }
    unsigned xcr0Low, xcr0High;
    __asm__("xgetbv" : "=a"(xcr0Low), "=d"(xcr0High) : "c"(0));
    return (xcr0Low & stateBits) == stateBits;
}

}  // namespace

bool CpuHasClmul() {
    const Features features = ReadFeatures();
    return (features.leaf1Ecx & kPclmulqdq) && (features.leaf1Ecx & kSse41);
}

bool CpuHasAvx2Clmul() {
    const Features features = ReadFeatures();
    return CpuHasClmul() && (features.leaf1Ecx & kAvx) && (features.leaf7Ebx & kAvx2) &&
           (features.leaf7Ecx & kVpclmulqdq) && SystemSavesState(features, kYmmState);
}

bool CpuHasVectorClmul() {
    const Features features = ReadFeatures();
    return CpuHasClmul() && (features.leaf7Ebx & kAvx512f) && (features.leaf7Ecx & kVpclmulqdq) &&
           SystemSavesState(features, kZmmState);
}
