#pragma once

#include <cstddef>
#include <cstdint>

// The implementations behind UpdateCrc, each with UpdateCrc's contract. The
// instruction-set tiers may run only where the matching Cpu... check holds;
// each passes inputs too short for its own method on to the tier below.

// Sixteen table lookups per 16 bytes; any processor.
std::uint16_t UpdateCrcSlicing(std::uint16_t crc, const void* buffer, std::size_t length);

// 128-bit carry-less multiplication (PCLMULQDQ and SSE4.1).
std::uint16_t UpdateCrcClmul(std::uint16_t crc, const void* buffer, std::size_t length);
bool CpuHasClmul();

// 256-bit carry-less multiplication (VPCLMULQDQ and AVX2, with the operating
// system saving the 256-bit register state).
std::uint16_t UpdateCrcAvx2Clmul(std::uint16_t crc, const void* buffer, std::size_t length);
bool CpuHasAvx2Clmul();

// 512-bit carry-less multiplication (VPCLMULQDQ and AVX-512F, with the
// operating system saving the 512-bit register state).
std::uint16_t UpdateCrcVectorClmul(std::uint16_t crc, const void* buffer, std::size_t length);
bool CpuHasVectorClmul();
