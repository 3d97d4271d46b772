#include "catalogue/SatelliteCatalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zenbelts {
namespace {

std::vector<int> Positions(const SatelliteCatalogue& catalogue)
{
    std::vector<int> out;
    for (const SatelliteEntry& e : catalogue)
        out.push_back(e.position);
    return out;
}

std::vector<int> Chosen(const ChosenSatelliteSet& set)
{
    std::vector<int> out;
    for (int p = 0; p < PositionCount; ++p) {
        if (set.Test(p))
            out.push_back(p);
    }
    return out;
}

SatelliteCatalogue CatalogueOf(int count, int step)
{
    SatelliteCatalogue c;
    for (int i = 0; i < count; ++i)
        c.InsertOrRename(i * step, std::string("S").append(std::to_string(i)));
    return c;
}

TEST(SatelliteCatalogue, TraversesInAscendingOrderWhateverTheInsertionOrder)
{
    SatelliteCatalogue c;
    c.InsertOrRename(3550, "Gamma");
    c.InsertOrRename(130, "Alpha");
    c.InsertOrRename(192, "Beta");
    EXPECT_EQ(Positions(c), (std::vector<int>{130, 192, 3550}));
}

TEST(SatelliteCatalogue, SecondInsertRenamesInPlace)
{
    SatelliteCatalogue c;
    c.InsertOrRename(130, "Alpha");
    c.InsertOrRename(3550, "Gamma");
    c.InsertOrRename(130, "Zeta");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c.begin()->name, "Zeta");
}

TEST(ChosenSatelliteSet, LastPositionIsBit15OfWord112)
{
    ChosenSatelliteSet s;
    s.Set(3599);
    EXPECT_TRUE(s.Test(3599));
    EXPECT_EQ(s.RawWords()[112], 1u << 15);
    s.Reset(3599);
    EXPECT_FALSE(s.Test(3599));
}

TEST(ChosenSatelliteSet, PositionZeroIsBit0OfWord0)
{
    ChosenSatelliteSet s;
    s.Set(0);
    s.Set(33);
    EXPECT_EQ(s.RawWords()[0], 1u);
    EXPECT_EQ(s.RawWords()[1], 2u);
}

TEST(ChosenSatelliteSet, PositionsOutsideTheRingAreProgrammingErrors)
{
    ChosenSatelliteSet s;
    for (int bad : {-1, 3600, 3616}) {
        EXPECT_THROW(s.Set(bad), std::out_of_range) << bad;
        EXPECT_THROW((void)s.Test(bad), std::out_of_range) << bad;
    }
    try {
        s.Set(3600);
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "invalid bitset<N> position");
    }
}

TEST(ChosenSatelliteSet, ClearEmptiesTheHighBitsToo)
{
    ChosenSatelliteSet s;
    s.RawWords()[112] = 0xFFFF0000u;
    s.Clear();
    EXPECT_EQ(s.RawWords()[112], 0u);
}

TEST(FactoryChoice, EveryTenthEntryStartingWithTheFirst)
{
    const struct {
        const char* name;
        int count, step;
        std::vector<int> expected;
    } cases[] = {
        {"21 entries", 21, 100, {0, 1000, 2000}},
        {"9 entries", 9, 10, {0}},
        {"25 entries", 25, 7, {0, 70, 140}},
        {"empty", 0, 1, {}},
    };
    for (const auto& c : cases) {
        ChosenSatelliteSet s;
        s.Set(5);  // cleared first
        s.ChooseEveryTenth(CatalogueOf(c.count, c.step));
        EXPECT_EQ(Chosen(s), c.expected) << c.name;
    }
}

// Many at once must leave what one at a time leaves, whatever the order.
TEST(SatelliteCatalogue, InsertOrRenameAllAsOneAtATime)
{
    using Entries = std::vector<std::pair<int, std::string>>;
    const struct {
        const char* name;
        Entries before, added;
    } cases[] = {
        {"ascending", {}, {{1, "a"}, {5, "b"}, {3599, "c"}}},
        {"descending", {}, {{3599, "c"}, {5, "b"}, {1, "a"}, {0, "z"}}},
        {"repeats keep the last name", {}, {{7, "first"}, {3, "x"}, {7, "second"}, {7, "third"}, {3, "y"}}},
        {"renames what is there", {{2, "old"}, {9, "kept"}}, {{2, "new"}, {4, "added"}}},
        {"around what is there", {{100, "m"}, {200, "n"}}, {{300, "c"}, {50, "a"}, {150, "b"}, {200, "N"}}},
        {"nothing added", {{1, "a"}}, {}},
        {"into nothing, nothing", {}, {}},
        {"a repeat of one already there", {{8, "old"}}, {{8, "one"}, {8, "two"}}},
    };
    for (const auto& c : cases) {
        SatelliteCatalogue expected, batch;
        for (const auto& [p, n] : c.before) {
            expected.InsertOrRename(p, n);
            batch.InsertOrRename(p, n);
        }
        std::vector<SatelliteEntry> added;
        for (const auto& [p, n] : c.added) {
            expected.InsertOrRename(p, n);
            added.push_back({p, n});
        }
        batch.InsertOrRenameAll(std::move(added));
        Entries want, got;
        for (const SatelliteEntry& e : expected)
            want.emplace_back(e.position, e.name);
        for (const SatelliteEntry& e : batch)
            got.emplace_back(e.position, e.name);
        EXPECT_EQ(got, want) << c.name;
    }
}

}  // namespace
}  // namespace zenbelts
