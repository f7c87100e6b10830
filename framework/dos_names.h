#pragma once

#include <string_view>

// Names that ordinary Win32 paths do not reach as they are written. A final
// component that is a reserved device name ("NUL", "con.txt", "COM1.crc")
// names the device, whatever the folder; one that ends in a dot or a space
// loses them ("x." opens "x"). Such files exist all the same: made through
// "\\?\" paths, by other systems, or on a share. Only the verbatim form of
// their path opens them.

// True for CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, CONIN$ and CONOUT$, in
// any case of the ASCII letters, alone or followed by an extension, a
// colon or trailing spaces ("nul .txt"), as Windows reads them.
bool IsReservedDeviceName(std::string_view component);

// True when a path whose final component is this does not open the file
// of exactly this name: a reserved device name, or a name ending in a dot
// or a space other than the "." and ".." folders.
bool NeedsVerbatimPath(std::string_view component);
