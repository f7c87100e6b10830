#pragma once

#include <windows.h>

#include <shellapi.h>

#include "framework/containers.h"

// A URL list dropped on the result window: the first dropped file, if it is
// a ".txt" or ".wrg" list, is filtered down to the entries of the failed
// files (failedNames), and the extract is written beside it. Drops are
// refused until this returns; the drop handle is released. Does nothing when
// no file failed.
void ExtractUrlListFromDrop(HWND window, HDROP drop, const CStringList& failedNames);
