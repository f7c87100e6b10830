#pragma once

#include "engine/job_runner.h"

// How the job verifies the checksum lists the user names: a ".txt" list as
// a saved report (or refuses it as SFV-32 and checksums it), a ".crc" list
// in column or delimited form. A list that cannot be read, holds no line or
// gives no entry is named in a message, so that the report never says that
// no error was found while a list went unchecked.
extern const ListChecks kChecksumLists;
