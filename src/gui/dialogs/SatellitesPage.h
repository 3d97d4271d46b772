#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <QStringList>
#include <QWidget>

#include "dialogs/SatelliteListKeeper.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zenbelts {

class SatelliteListKeeper;

// Every satellite of the list with a check box: which satellites the plot
// draws. A list imported or the shipped one gone back to is only shown here
// until the dialog is confirmed; the check marks stay with their positions
// across such changes, whichever list is shown.
class CSatellitesPage : public QWidget {
    Q_OBJECT
public:
    CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent = nullptr);

    // The chosen satellites from the check marks: those of the list shown.
    void Store(MountSettings& working) const;
    // Takes a list imported or gone back to over; true when there is none.
    bool TakePendingList(QString& error);
    // The satellites shown: the program's, or a list not yet taken over.
    const SatelliteCatalogue& ShownCatalogue() const;

    QTableWidget* List() const { return list_; }

    // The program's list, which "Import list..." replaces and "Use the
    // shipped list" restores; without one both stay disabled.
    void SetListKeeper(SatelliteListKeeper* keeper);
    // Asks for receivers' files, or for a folder; stands in for the file
    // dialogs where set.
    std::function<QStringList(bool folder)> sourcePrompt;

    // The list from receivers' files and folders; the check marks stay on
    // the positions the new list still has.
    void ImportList(const QStringList& sources);
    void UseShippedList();
    // Checks exactly the satellites at the positions the files name.
    void ChooseFrom(const QStringList& sources);

    QPushButton* ImportButton() const { return import_; }
    QPushButton* ShippedButton() const { return shipped_; }
    QPushButton* ChooseButton() const { return choose_; }
    QLabel* Report() const { return report_; }

    // Narrows the list to the satellites whose name or position holds the
    // text; the check marks of the rows it hides stay as they are.
    QLineEdit* Filter() const { return filter_; }
    // "Select all" and "Clear" check or uncheck the rows shown.
    QPushButton* SelectAllButton() const { return selectAll_; }
    QPushButton* ClearButton() const { return clear_; }
    void CheckShown(bool on);

    // Whether a satellite matches the filter: a case-insensitive part of its
    // name, of its position as the list writes it (0192) or of its label
    // (19.2E, 19.2°E).
    static bool Matches(const QString& filter, int position, const QString& name);

protected:
    // Space toggles the row's mark from whichever cell of it is current.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFilter();
    QStringList AskSources(bool folder);
    // Fills the list anew from the satellites shown, with their marks.
    void Refill();
    void UpdateListButtons();

    const SatelliteCatalogue& catalogue_;
    std::optional<PendingSatelliteList> pending_;
    // The check marks by position, those of satellites not shown included.
    ChosenSatelliteSet marks_;
    QTableWidget* list_;
    SatelliteListKeeper* keeper_ = nullptr;
    QPushButton *import_, *shipped_, *choose_;
    QLabel* report_;
    QLineEdit* filter_;
    QPushButton *selectAll_, *clear_;
};

}  // namespace zenbelts
