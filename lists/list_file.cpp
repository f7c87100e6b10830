#include "lists/list_file.h"

#include "lists/list_text.h"

ListFile ReadListFile(const CFileName& path) {
    return ReadWholeFile(path, kListSizeLimit);
}
