#pragma once

// The program's own texts: menus, prompts (status-bar text, then tooltip) and
// messages.

namespace zenbelts::texts {

inline constexpr const char* AppName = "Zenbelts";
inline constexpr const char* AboutTitle = "About Zenbelts";
inline constexpr const char* AboutVersion = "Zenbelts Version %1";
inline constexpr const char* AboutLicence
    = "Free software under the GNU General Public License, version 3 or any later version.";
inline constexpr const char* Ready = "Ready";
inline constexpr const char* UntitledBase = "Zenbelt";  // Zenbelt1, Zenbelt2...
inline constexpr const char* FileFilter = "Zenbelt Files (*.zb)";
inline constexpr const char* FileExtension = "zb";

struct Prompt {
    const char* status;
    const char* tip;
};

inline constexpr Prompt New{"Create a new document", "New"};
inline constexpr Prompt Open{"Open an existing document", "Open"};
inline constexpr Prompt Close{"Close the active document", "Close"};
inline constexpr Prompt Save{"Save the active document", "Save"};
inline constexpr Prompt SaveAs{"Save the active document with a new name", "Save As"};
inline constexpr Prompt Print{"Print the active document", "Print"};
inline constexpr Prompt PrintPreview{"Display full pages", "Print Preview"};
inline constexpr Prompt PrintSetup{"Change the printer and printing options", "Print Setup"};
inline constexpr Prompt RecentFile{"Open this document", "Open"};
inline constexpr Prompt Exit{"Quit the application", "Exit"};
inline constexpr Prompt Undo{"Undo the last action", "Undo"};
inline constexpr Prompt Cut{"Cut the selection and put it on the Clipboard", "Cut"};
inline constexpr Prompt Copy{"Copy the selection and put it on the Clipboard", "Copy"};
inline constexpr Prompt Paste{"Insert Clipboard contents", "Paste"};
inline constexpr Prompt Properties{"Update location, ranges and satellites", "Properties"};
inline constexpr Prompt SetDefaults{"Set default values for current location", "Defaults"};
inline constexpr Prompt Toolbar{"Show or hide the toolbar", "Toggle ToolBar"};
inline constexpr Prompt StatusBar{"Show or hide the status bar", "Toggle StatusBar"};
inline constexpr Prompt ShowToolTips{"Show or hide the tooltips of the adjustment panel", "Show tooltips"};
inline constexpr Prompt NewWindow{"Open another window for the active document", "New Window"};
inline constexpr Prompt Cascade{"Arrange windows so they overlap", "Cascade Windows"};
inline constexpr Prompt Tile{"Arrange windows as non-overlapping tiles", "Tile Windows"};
inline constexpr Prompt ArrangeIcons{"Arrange icons at the bottom of the window", "Arrange Icons"};
inline constexpr Prompt Optimise{"Set motor elevation and declination for the smallest miss across the arc",
                                 "Optimise"};
inline constexpr Prompt Diagnose{"Find how the mount really stands from what was found at the dish",
                                 "Diagnose"};
inline constexpr Prompt NextWindow{"Activate the next document window", "Next Window"};
inline constexpr Prompt PreviousWindow{"Activate the previous document window", "Previous Window"};
inline constexpr Prompt CloseWindow{"Close the active document window", "Close Window"};
inline constexpr Prompt NextPane{"Move to the next part of the window", "Next Pane"};
inline constexpr Prompt PreviousPane{"Move to the previous part of the window", "Previous Pane"};
inline constexpr Prompt Misses{"Show or hide the table of misses", "Misses"};
inline constexpr Prompt ReceiverSettings{"Show the site to enter into the receiver and its motor commands",
                                         "Receiver settings"};
inline constexpr Prompt About{"Display program information, version number and copyright", "About"};

inline constexpr const char* OpenFailed = "Cannot open %1: %2";
inline constexpr const char* SaveFailed = "Cannot save %1: %2";
inline constexpr const char* SaveChanges = "Save changes to %1?";
inline constexpr const char* OptimiseDone = "Worst miss %1\u00b0 before, %2\u00b0 after (%3)";
// Which points Optimise counted, so that the bold row of the table of misses
// never seems to contradict it.
inline constexpr const char* OptimiseOverSatellites = "over the %1 chosen satellites at least %2 up";
inline constexpr const char* OptimiseOverRing
    = "over the visible arc at least %1 up (fewer than two chosen satellites are)";
inline constexpr const char* OptimiseNothing
    = "Nothing to optimise: fewer than two points of the arc stand %1 above the horizon";
inline constexpr const char* PageTooSmall = "The page is too small for the plot and its legend. Choose a "
                                            "larger paper size or smaller margins in Print Setup.";
inline constexpr const char* NoPrinter = "No printer is available.";

}  // namespace zenbelts::texts
