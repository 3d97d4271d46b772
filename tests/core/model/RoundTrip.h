#pragma once

// What every writer must keep: a record that is stored loads back the same,
// derived fields included.

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <gtest/gtest.h>

#include <string>

namespace zenbelts {

inline testing::AssertionResult StoresAndLoadsTheSame(const MountSettings& s)
{
    if (!HasValidInputs(s))
        return testing::AssertionFailure() << "the record breaks its own invariants";
    MountSettings loaded;
    try {
        LoadSettings(StoreSettings(s), loaded);
    } catch (const ArchiveError& e) {
        return testing::AssertionFailure() << "the reader refuses it: " << e.detail().English();
    }
    if (!(loaded == s)) {
        std::string fields;
        const auto compare = [&](const auto& list) {
            for (const IntegerField& f : list) {
                if (loaded.*(f.member) != s.*(f.member))
                    fields += std::string(" ") + f.name + " " + std::to_string(s.*(f.member)) + "->"
                              + std::to_string(loaded.*(f.member));
            }
        };
        compare(IntegerFields);
        compare(ExtensionFields);
        if (loaded.horizon != s.horizon)
            fields += " horizon (" + std::to_string(s.horizon.size()) + " points->"
                      + std::to_string(loaded.horizon.size()) + ")";
        return testing::AssertionFailure()
               << "it loads back different:" << (fields.empty() ? " (frames or choice)" : fields);
    }
    return testing::AssertionSuccess();
}

}  // namespace zenbelts
