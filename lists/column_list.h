#pragma once

#include "framework/file_name.h"

// Loads and verifies a column-format ".crc" list (one that begins with
// "FileName"), given its path as the job received it.
void VerifyColumnList(const CFileName& listPath);
