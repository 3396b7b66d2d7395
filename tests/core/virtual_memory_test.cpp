#include "files/errors.h"
#include "files/virtual_memory.h"

#include <gtest/gtest.h>

#include <cstring>

using files::TxVirtualMemory;

TEST(VirtualMemory, GrowsInWholePagesAndKeepsContents) {
    TxVirtualMemory memory(1048576, 11);
    EXPECT_EQ(memory.size(), 11u);
    EXPECT_EQ(memory.committed(), TxVirtualMemory::pageSize);
    std::memset(memory.data(), 0x5A, 11);
    memory.SetSize(5000);
    EXPECT_EQ(memory.committed() % TxVirtualMemory::pageSize, 0u);
    EXPECT_GE(memory.committed(), 5000u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(memory.data()[i], 0x5A);
    memory.SetSize(0);
    EXPECT_EQ(memory.committed(), 0u);
}

TEST(VirtualMemory, SizeAboveCapacityThrowsAndLeavesTheSizeAlone) {
    TxVirtualMemory memory(100, 50);
    memory.SetSize(100);
    try {
        memory.SetSize(101);
        FAIL() << "no exception";
    } catch (const files::EVirtualMemory& e) {
        EXPECT_STREQ(e.what(), "Size exceeds capacity");
    }
    EXPECT_EQ(memory.size(), 100u);
    EXPECT_THROW(TxVirtualMemory(10, 11), files::EVirtualMemory);
}

TEST(VirtualMemory, NeverHoldsMoreThanTheCapacityRoundedToAPage) {
    TxVirtualMemory memory(3 * TxVirtualMemory::pageSize);
    for (std::size_t n = 1; n <= memory.capacity(); n += 1000) memory.SetSize(n);
    memory.SetSize(memory.capacity());
    EXPECT_EQ(memory.committed(), 3 * TxVirtualMemory::pageSize);
}

TEST(VirtualMemory, AMovedFromStoreIsEmpty) {
    TxVirtualMemory memory(100, 50);
    TxVirtualMemory moved(std::move(memory));
    EXPECT_EQ(moved.size(), 50u);
    EXPECT_EQ(memory.size(), 0u); // NOLINT(bugprone-use-after-move): the state is specified
    memory.SetSize(10);
    EXPECT_EQ(memory.size(), 10u);
}
