#include "StringGridCell.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// Lengths on both sides of the cell's own room and of the blocks a long text takes.
constexpr std::size_t Lengths[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 64, 100};

// A text of the length whose bytes differ from one length to the next.
std::string TextOf(std::size_t length)
{
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>('a' + (i * 7 + length) % 26);
    return text;
}

TEST(CellText, EveryAssignmentGivesBackItsText)
{
    for (const std::size_t before : Lengths) {
        for (const std::size_t after : Lengths) {
            SCOPED_TRACE(std::to_string(before) + " then " + std::to_string(after));
            TCellText cell;
            cell = TextOf(before);
            ASSERT_EQ(cell.View(), TextOf(before));
            cell = TextOf(after);
            EXPECT_EQ(cell.View(), TextOf(after));
            EXPECT_EQ(cell.Empty(), after == 0);
        }
    }
}

TEST(CellText, APartOfItsOwnTextCanBeAssigned)
{
    for (const std::size_t length : Lengths) {
        if (length < 2)
            continue;
        SCOPED_TRACE(length);
        const std::string text = TextOf(length);
        TCellText tail;
        tail = text;
        tail = tail.View().substr(1);
        EXPECT_EQ(tail.View(), text.substr(1));
        TCellText head;
        head = text;
        head = head.View().substr(0, length - 1);
        EXPECT_EQ(head.View(), text.substr(0, length - 1));
        TCellText middle;
        middle = text;
        middle = middle.View().substr(1, length / 2);
        EXPECT_EQ(middle.View(), text.substr(1, length / 2));
    }
}

TEST(CellText, CopiesAndMovesEachOwnTheirText)
{
    for (const std::size_t length : {std::size_t{5}, std::size_t{40}}) {
        SCOPED_TRACE(length);
        TCellText original;
        original = TextOf(length);
        TCellText copy(original);
        TCellText assigned;
        assigned = TextOf(70);
        assigned = original;
        original = "other";
        EXPECT_EQ(copy.View(), TextOf(length));
        EXPECT_EQ(assigned.View(), TextOf(length));

        TCellText moved(std::move(copy));
        EXPECT_EQ(moved.View(), TextOf(length));
        EXPECT_TRUE(copy.Empty());
        assigned = std::move(moved);
        EXPECT_EQ(assigned.View(), TextOf(length));
        EXPECT_TRUE(moved.Empty());
    }
}

TEST(CellText, AClearedCellIsEmptyAndTakesTextAgain)
{
    for (const std::size_t length : {std::size_t{3}, std::size_t{32}}) {
        SCOPED_TRACE(length);
        TCellText cell;
        cell = TextOf(length);
        cell.Clear();
        EXPECT_TRUE(cell.Empty());
        EXPECT_EQ(cell.View(), "");
        cell = TextOf(20);
        EXPECT_EQ(cell.View(), TextOf(20));
    }
}

} // namespace
