#pragma once

// Wine names itself through functions of its own in ntdll; Windows has none.
// The program asks only where Wine's behaviour differs from Windows' in a
// way that matters to a user's files.

bool RunningUnderWine();

// Wine over a Linux host, whose system calls the program may then make.
bool RunningUnderWineOnLinux();
