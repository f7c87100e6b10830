#include "engine/message_catalog.h"

#include <array>
#include <utility>

namespace {

// Written at start only, before any worker thread exists, and read alike by
// every thread after.
std::array<std::string, kCatalogMessages> g_catalog;

}  // namespace

void SetCatalogText(CatalogMessage message, std::string text) {
    g_catalog.at(static_cast<std::size_t>(message)) = std::move(text);
}

const std::string& CatalogText(CatalogMessage message) {
    return g_catalog.at(static_cast<std::size_t>(message));
}
