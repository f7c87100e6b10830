#pragma once

#include <cstddef>
#include <string>

// Messages whose text the program keeps in its string table. They are named
// here, so that the job and the list checks need nothing of the resources;
// the program fills the catalog once at start, before any job runs.
enum class CatalogMessage {
    CannotOpen,         // %1: the file
    ListTooLarge,       // %1: the list
    ListSameFileTwice,  // %1: the list; %2: the file an earlier line named too
    ListTotalDiffers,   // %1: the list
    ListLinesOutside,   // %1: the list; %2: how many lines
};
inline constexpr std::size_t kCatalogMessages = 5;

void SetCatalogText(CatalogMessage message, std::string text);
// Empty until filled.
const std::string& CatalogText(CatalogMessage message);
