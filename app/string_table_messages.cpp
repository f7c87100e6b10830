#include "app/string_table_messages.h"

#include <utility>

#include "engine/message_catalog.h"
#include "framework/string_table.h"
#include "res/resource.h"

namespace {

constexpr std::pair<CatalogMessage, unsigned> kTableIds[] = {
    {CatalogMessage::CannotOpen, IDS_CANNOT_OPEN},
    {CatalogMessage::ListTooLarge, IDS_LIST_TOO_LARGE},
    {CatalogMessage::ListSameFileTwice, IDS_LIST_SAME_FILE_TWICE},
    {CatalogMessage::ListTotalDiffers, IDS_LIST_TOTAL_DIFFERS},
    {CatalogMessage::ListLinesOutside, IDS_LIST_LINES_OUTSIDE},
};
static_assert(std::size(kTableIds) == kCatalogMessages);

}  // namespace

void FillMessageCatalog() {
    for (const auto& [message, id] : kTableIds) {
        SetCatalogText(message, LoadTableString(id));
    }
}
