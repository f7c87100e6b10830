#include <gtest/gtest.h>

#include "framework/dos_names.h"

namespace {

TEST(DosNamesTest, DeviceNamesWithOrWithoutExtensionInAnyCase) {
    for (const char* name :
         {"NUL", "nul", "Con", "PRN", "aux", "COM1", "com9", "LPT1", "lpt9", "CONIN$", "conout$",
          "nul.txt", "COM1.crc", "NUL.tar.gz", "nul .txt", "CON.", "aux:", "nul   "}) {
        EXPECT_TRUE(IsReservedDeviceName(name)) << name;
        EXPECT_TRUE(NeedsVerbatimPath(name)) << name;
    }
    for (const char* name : {"NULL", "nu", "COM0", "COM10", "LPT", "xnul", "nul_", "a.nul", " nul",
                             "CONIN", "\x83\x6D\x83\x8B"}) {
        EXPECT_FALSE(IsReservedDeviceName(name)) << name;
        EXPECT_FALSE(NeedsVerbatimPath(name)) << name;
    }
}

TEST(DosNamesTest, NamesEndingInADotOrASpaceNeedTheirVerbatimPath) {
    for (const char* name : {"x.", "x..", "a.bin.", "x ", "a b ", ". .", "\x95\x5C."}) {
        EXPECT_TRUE(NeedsVerbatimPath(name)) << name;
    }
    for (const char* name : {".", "..", "", "x", ".x", " x", "a.bin", "\x95\x5C"}) {
        EXPECT_FALSE(NeedsVerbatimPath(name)) << name;
    }
}

}  // namespace
