#pragma once

// Fills the message catalog from the running module's string table: the
// programs at start, and every Windows test program alike.
void FillMessageCatalog();
