#include <gtest/gtest.h>

#include "app/string_table_messages.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    FillMessageCatalog();
    return RUN_ALL_TESTS();
}
