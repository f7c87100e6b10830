#include <algorithm>
#include <atomic>

#include "engine/crc16.h"
#include "engine/crc16_tiers.h"

namespace {

using CrcKernel = std::uint16_t (*)(std::uint16_t, const void*, std::size_t);

CrcKernel KernelOf(CrcTier tier) {
    switch (tier) {
        case CrcTier::Bytewise:
            return &UpdateCrcBytewise;
        case CrcTier::Slicing:
            return &UpdateCrcSlicing;
        case CrcTier::Clmul:
            return &UpdateCrcClmul;
        case CrcTier::Avx2Clmul:
            return &UpdateCrcAvx2Clmul;
        case CrcTier::VectorClmul:
            return &UpdateCrcVectorClmul;
    }
    return &UpdateCrcSlicing;
}

// What the processor and the system support does not change while the
// program runs; asking is slow on a virtual machine, so it is asked once.
const std::vector<CrcTier>& DetectedTiers() {
    static const std::vector<CrcTier> tiers = [] {
        std::vector<CrcTier> found{CrcTier::Bytewise, CrcTier::Slicing};
        if (CpuHasClmul()) {
            found.push_back(CrcTier::Clmul);
        }
        if (CpuHasAvx2Clmul()) {
            found.push_back(CrcTier::Avx2Clmul);
        }
        if (CpuHasVectorClmul()) {
            found.push_back(CrcTier::VectorClmul);
        }
        return found;
    }();
    return tiers;
}

std::uint16_t ChooseKernelAndUpdate(std::uint16_t crc, const void* buffer, std::size_t length);

// Starts at the chooser, which puts the chosen kernel in its place. Threads
// racing through the first call all store the same kernel, and a kernel
// depends on no data that the store would have to publish.
std::atomic<CrcKernel> g_kernel{&ChooseKernelAndUpdate};

std::uint16_t ChooseKernelAndUpdate(std::uint16_t crc, const void* buffer, std::size_t length) {
    const CrcKernel kernel = KernelOf(ActiveCrcTier());
    g_kernel.store(kernel, std::memory_order_relaxed);
    return kernel(crc, buffer, length);
}

}  // namespace

std::vector<CrcTier> AvailableCrcTiers() {
    return DetectedTiers();
}

CrcTier ActiveCrcTier() {
    return DetectedTiers().back();
}

const char* CrcTierName(CrcTier tier) {
    switch (tier) {
        case CrcTier::Bytewise:
            return "bytewise";
        case CrcTier::Slicing:
            return "slicing-by-16";
        case CrcTier::Clmul:
            return "pclmulqdq";
        case CrcTier::Avx2Clmul:
            return "vpclmulqdq-avx2";
        case CrcTier::VectorClmul:
            return "vpclmulqdq-avx512";
    }
    return "?";
}

std::uint16_t UpdateCrc(std::uint16_t crc, const void* buffer, std::size_t length) {
    return g_kernel.load(std::memory_order_relaxed)(crc, buffer, length);
}

std::uint16_t UpdateCrcWith(CrcTier tier, std::uint16_t crc, const void* buffer,
                            std::size_t length) {
    const std::vector<CrcTier>& available = DetectedTiers();
    if (std::find(available.begin(), available.end(), tier) == available.end()) {
        tier = ActiveCrcTier();
    }
    return KernelOf(tier)(crc, buffer, length);
}
