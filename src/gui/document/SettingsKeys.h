#pragma once

// Where the program keeps its settings in the user's settings store.

namespace zenbelts::keys {

inline constexpr const char* Organization = "Zenbelts";
inline constexpr const char* Application = "Zenbelts";
inline constexpr const char* DefaultSetUp = "Settings/Default";  // the 544 bytes
inline constexpr const char* ShowToolTips = "Settings/ShowToolTips";
inline constexpr const char* ShowReceiverColumns = "Settings/ShowReceiverColumns";  // of the Misses table
inline constexpr const char* LastFolder = "Settings/LastFolder";    // where file dialogs start
inline constexpr const char* RecentFileGroup = "Recent File List";  // File1..File4
inline constexpr int RecentFileCount = 4;

}  // namespace zenbelts::keys
