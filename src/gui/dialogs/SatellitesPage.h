#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zenbelts {

class SatelliteListKeeper;

// Every catalogue entry with a check box: which satellites the plot draws.
class CSatellitesPage : public QWidget {
    Q_OBJECT
public:
    CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent = nullptr);

    void OnInitDialog();
    // Rebuilds the chosen set from the check marks.
    void OnOK();

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

private:
    QStringList AskSources(bool folder);
    // Fills the list anew from the catalogue, the check marks kept.
    void Refill();
    void UpdateListButtons();

    const SatelliteCatalogue& catalogue_;
    MountSettings& working_;
    QTableWidget* list_;
    SatelliteListKeeper* keeper_ = nullptr;
    QPushButton *import_, *shipped_, *choose_;
    QLabel* report_;
};

}  // namespace zenbelts
