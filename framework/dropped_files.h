#pragma once

#include <windows.h>

#include <shellapi.h>

#include "framework/file_name.h"

// The files of a shell drop, in the order dropped, each by its real name
// however long. The drop handle stays open.
UINT DroppedFileCount(HDROP drop);
CFileName DroppedFileName(HDROP drop, UINT index);
