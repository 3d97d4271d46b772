#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own texts: menus, prompts (status-bar text, then tooltip) and
// messages.

namespace zenbelts::texts {

// A text of this file in the user's language.
inline QString Tr(const char* text)
{
    return QCoreApplication::translate("texts", text);
}

inline constexpr const char* AppName = "Zenbelts";
inline constexpr const char* AboutTitle = QT_TRANSLATE_NOOP("texts", "About Zenbelts");
inline constexpr const char* AboutVersion = QT_TRANSLATE_NOOP("texts", "Zenbelts Version %1");
inline constexpr const char* AboutLicence = QT_TRANSLATE_NOOP(
    "texts", "Free software under the GNU General Public License, version 3 or any later version.");
inline constexpr const char* Ready = QT_TRANSLATE_NOOP("texts", "Ready");
inline constexpr const char* UntitledBase = QT_TRANSLATE_NOOP("texts", "Zenbelt");  // Zenbelt1, Zenbelt2...
inline constexpr const char* FileFilter = QT_TRANSLATE_NOOP("texts", "Zenbelt Files (*.zb)");
inline constexpr const char* FileExtension = "zb";

struct Prompt {
    const char* status;
    const char* tip;
};

inline constexpr Prompt New{QT_TRANSLATE_NOOP("texts", "Create a new document"),
                            QT_TRANSLATE_NOOP("texts", "New")};
inline constexpr Prompt Open{QT_TRANSLATE_NOOP("texts", "Open an existing document"),
                             QT_TRANSLATE_NOOP("texts", "Open")};
inline constexpr Prompt Close{QT_TRANSLATE_NOOP("texts", "Close the active document"),
                              QT_TRANSLATE_NOOP("texts", "Close")};
inline constexpr Prompt Save{QT_TRANSLATE_NOOP("texts", "Save the active document"),
                             QT_TRANSLATE_NOOP("texts", "Save")};
inline constexpr Prompt SaveAs{QT_TRANSLATE_NOOP("texts", "Save the active document with a new name"),
                               QT_TRANSLATE_NOOP("texts", "Save As")};
inline constexpr Prompt Print{QT_TRANSLATE_NOOP("texts", "Print the active document"),
                              QT_TRANSLATE_NOOP("texts", "Print")};
inline constexpr Prompt PrintPreview{QT_TRANSLATE_NOOP("texts", "Display full pages"),
                                     QT_TRANSLATE_NOOP("texts", "Print Preview")};
inline constexpr Prompt PrintSetup{QT_TRANSLATE_NOOP("texts", "Change the printer and printing options"),
                                   QT_TRANSLATE_NOOP("texts", "Print Setup")};
inline constexpr Prompt RecentFile{QT_TRANSLATE_NOOP("texts", "Open this document"),
                                   QT_TRANSLATE_NOOP("texts", "Open")};
inline constexpr Prompt Exit{QT_TRANSLATE_NOOP("texts", "Quit the application"),
                             QT_TRANSLATE_NOOP("texts", "Exit")};
inline constexpr Prompt Undo{QT_TRANSLATE_NOOP("texts", "Undo the last action"),
                             QT_TRANSLATE_NOOP("texts", "Undo")};
inline constexpr Prompt Redo{QT_TRANSLATE_NOOP("texts", "Redo the action undone last"),
                             QT_TRANSLATE_NOOP("texts", "Redo")};
inline constexpr Prompt Cut{QT_TRANSLATE_NOOP("texts", "Cut the selection and put it on the Clipboard"),
                            QT_TRANSLATE_NOOP("texts", "Cut")};
inline constexpr Prompt Copy{QT_TRANSLATE_NOOP("texts", "Copy the selection and put it on the Clipboard"),
                             QT_TRANSLATE_NOOP("texts", "Copy")};
inline constexpr Prompt Paste{QT_TRANSLATE_NOOP("texts", "Insert Clipboard contents"),
                              QT_TRANSLATE_NOOP("texts", "Paste")};
inline constexpr Prompt Properties{QT_TRANSLATE_NOOP("texts", "Update location, ranges and satellites"),
                                   QT_TRANSLATE_NOOP("texts", "Properties")};
inline constexpr Prompt SetDefaults{QT_TRANSLATE_NOOP("texts", "Set default values for current location"),
                                    QT_TRANSLATE_NOOP("texts", "Defaults")};
inline constexpr Prompt Toolbar{QT_TRANSLATE_NOOP("texts", "Show or hide the toolbar"),
                                QT_TRANSLATE_NOOP("texts", "Toggle ToolBar")};
inline constexpr Prompt StatusBar{QT_TRANSLATE_NOOP("texts", "Show or hide the status bar"),
                                  QT_TRANSLATE_NOOP("texts", "Toggle StatusBar")};
inline constexpr Prompt ShowToolTips{
    QT_TRANSLATE_NOOP("texts", "Show or hide the tooltips of the adjustment panel"),
    QT_TRANSLATE_NOOP("texts", "Show tooltips")};
inline constexpr Prompt NewWindow{QT_TRANSLATE_NOOP("texts", "Open another window for the active document"),
                                  QT_TRANSLATE_NOOP("texts", "New Window")};
inline constexpr Prompt Cascade{QT_TRANSLATE_NOOP("texts", "Arrange windows so they overlap"),
                                QT_TRANSLATE_NOOP("texts", "Cascade Windows")};
inline constexpr Prompt Tile{QT_TRANSLATE_NOOP("texts", "Arrange windows as non-overlapping tiles"),
                             QT_TRANSLATE_NOOP("texts", "Tile Windows")};
inline constexpr Prompt ArrangeIcons{QT_TRANSLATE_NOOP("texts", "Arrange icons at the bottom of the window"),
                                     QT_TRANSLATE_NOOP("texts", "Arrange Icons")};
inline constexpr Prompt Optimise{
    QT_TRANSLATE_NOOP("texts", "Set motor elevation and declination for the smallest miss across the arc"),
    QT_TRANSLATE_NOOP("texts", "Optimise")};
inline constexpr Prompt Diagnose{
    QT_TRANSLATE_NOOP("texts", "Find how the mount really stands from what was found at the dish"),
    QT_TRANSLATE_NOOP("texts", "Diagnose")};
inline constexpr Prompt NextWindow{QT_TRANSLATE_NOOP("texts", "Activate the next document window"),
                                   QT_TRANSLATE_NOOP("texts", "Next Window")};
inline constexpr Prompt PreviousWindow{QT_TRANSLATE_NOOP("texts", "Activate the previous document window"),
                                       QT_TRANSLATE_NOOP("texts", "Previous Window")};
inline constexpr Prompt CloseWindow{QT_TRANSLATE_NOOP("texts", "Close the active document window"),
                                    QT_TRANSLATE_NOOP("texts", "Close Window")};
inline constexpr Prompt NextPane{QT_TRANSLATE_NOOP("texts", "Move to the next part of the window"),
                                 QT_TRANSLATE_NOOP("texts", "Next Pane")};
inline constexpr Prompt PreviousPane{QT_TRANSLATE_NOOP("texts", "Move to the previous part of the window"),
                                     QT_TRANSLATE_NOOP("texts", "Previous Pane")};
inline constexpr Prompt Misses{QT_TRANSLATE_NOOP("texts", "Show or hide the table of misses"),
                               QT_TRANSLATE_NOOP("texts", "Misses")};
inline constexpr Prompt ReceiverSettings{
    QT_TRANSLATE_NOOP("texts", "Show the site to enter into the receiver and its motor commands"),
    QT_TRANSLATE_NOOP("texts", "Receiver settings")};
inline constexpr Prompt AtTheDish{
    QT_TRANSLATE_NOOP("texts", "Show what every scale, the compass and the sun tell at the dish, to print"),
    QT_TRANSLATE_NOOP("texts", "At the dish")};
inline constexpr Prompt FieldPage{
    QT_TRANSLATE_NOOP("texts", "Open the field page, Zenbelts for a phone at the dish, in the browser"),
    QT_TRANSLATE_NOOP("texts", "Field page")};
inline constexpr Prompt About{
    QT_TRANSLATE_NOOP("texts", "Display program information, version number and copyright"),
    QT_TRANSLATE_NOOP("texts", "About")};

inline constexpr const char* OpenFailed = QT_TRANSLATE_NOOP("texts", "Cannot open %1: %2");
inline constexpr const char* SaveFailed = QT_TRANSLATE_NOOP("texts", "Cannot save %1: %2");
inline constexpr const char* SaveChanges = QT_TRANSLATE_NOOP("texts", "Save changes to %1?");
inline constexpr const char* OptimiseDone = QT_TRANSLATE_NOOP("texts", "Worst miss %1 before, %2 after (%3)");
// Which points Optimise counted, so that the bold row of the table of misses
// never seems to contradict it.
inline constexpr const char* OptimiseOverSatellites
    = QT_TRANSLATE_NOOP("texts", "over the %1 chosen satellites at least %2 up");
inline constexpr const char* OptimiseOverRing = QT_TRANSLATE_NOOP(
    "texts", "over the visible arc at least %1 up (fewer than two chosen satellites are)");
inline constexpr const char* OptimiseNothing = QT_TRANSLATE_NOOP(
    "texts", "Nothing to optimise: fewer than two points of the arc stand %1 above the horizon");
inline constexpr const char* PageTooSmall = QT_TRANSLATE_NOOP(
    "texts",
    "The page is too small for the plot and its legend. Choose a larger paper size or smaller margins in Print Setup.");
inline constexpr const char* NoPrinter = QT_TRANSLATE_NOOP("texts", "No printer is available.");

}  // namespace zenbelts::texts
