#include "catalogue/SatelliteCatalogue.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace zenbelts {

void SatelliteCatalogue::InsertOrRename(int position, std::string name)
{
    // Lists are usually written in ascending order, so try the end first.
    if (entries_.empty() || entries_.back().position < position) {
        entries_.push_back({position, std::move(name)});
        return;
    }
    auto it = std::lower_bound(entries_.begin(), entries_.end(), position,
                               [](const SatelliteEntry& e, int p) { return e.position < p; });
    if (it != entries_.end() && it->position == position)
        it->name = std::move(name);
    else
        entries_.insert(it, {position, std::move(name)});
}

void SatelliteCatalogue::InsertOrRenameAll(std::vector<SatelliteEntry> entries)
{
    const auto byPosition
        = [](const SatelliteEntry& a, const SatelliteEntry& b) { return a.position < b.position; };
    // Stable: of a repeated position, the last one read stays last.
    std::stable_sort(entries.begin(), entries.end(), byPosition);
    std::vector<SatelliteEntry> merged;
    merged.reserve(entries_.size() + entries.size());
    auto old = entries_.begin();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (std::next(it) != entries.end() && std::next(it)->position == it->position)
            continue;
        for (; old != entries_.end() && old->position < it->position; ++old)
            merged.push_back(std::move(*old));
        if (old != entries_.end() && old->position == it->position)
            ++old;
        merged.push_back(std::move(*it));
    }
    std::move(old, entries_.end(), std::back_inserter(merged));
    entries_ = std::move(merged);
}

namespace {

void CheckPosition(int position)
{
    if (position < 0 || position >= PositionCount)
        throw std::out_of_range("invalid bitset<N> position");
}

}  // namespace

bool ChosenSatelliteSet::Test(int position) const
{
    CheckPosition(position);
    return (words_[position / 32] >> (position % 32)) & 1u;
}

void ChosenSatelliteSet::Set(int position)
{
    CheckPosition(position);
    words_[position / 32] |= 1u << (position % 32);
}

void ChosenSatelliteSet::Reset(int position)
{
    CheckPosition(position);
    words_[position / 32] &= ~(1u << (position % 32));
}

void ChosenSatelliteSet::ChooseEveryTenth(const SatelliteCatalogue& catalogue)
{
    Clear();
    int count = 0;
    for (const SatelliteEntry& entry : catalogue) {
        if (count % 10 == 0)
            Set(entry.position);
        ++count;
    }
}

}  // namespace zenbelts
