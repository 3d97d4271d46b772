#pragma once

#include "text/OrbitalPosition.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zenbelts {

struct SatelliteEntry {
    int position;
    std::string name;  // bytes of the list file, verbatim
};

// Satellites by orbital position, unique and kept in ascending order.
class SatelliteCatalogue {
public:
    void InsertOrRename(int position, std::string name);
    // The same for many entries, in the order given (a position repeated
    // keeps its last name), in n log n whatever the order.
    void InsertOrRenameAll(std::vector<SatelliteEntry> entries);
    void Clear() { entries_.clear(); }

    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    std::vector<SatelliteEntry> entries_;
};

// One flag per orbital position, stored as the 113 words of the file format.
// Bits 16..31 of the last word belong to no position; they are kept as read.
class ChosenSatelliteSet {
public:
    static constexpr int WordCount = 113;
    using Words = std::array<std::uint32_t, WordCount>;

    void Clear() { words_.fill(0); }
    bool Test(int position) const;
    void Set(int position);
    void Reset(int position);

    // The factory choice: every tenth catalogue entry, starting with the first.
    void ChooseEveryTenth(const SatelliteCatalogue& catalogue);

    Words& RawWords() { return words_; }
    const Words& RawWords() const { return words_; }

    bool operator==(const ChosenSatelliteSet&) const = default;

private:
    Words words_{};
};

}  // namespace zenbelts
