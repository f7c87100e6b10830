#pragma once

// Resource ids, grouped by the window that uses them.

// Strings of the job.
#define IDS_ABOUT_ITEM 101
#define IDS_CANNOT_OPEN 102
#define IDS_LIST_TOO_LARGE 103
