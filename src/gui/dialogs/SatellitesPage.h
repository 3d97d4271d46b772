#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <QWidget>

class QTableWidget;

namespace zenbelts {

// Every catalogue entry with a check box: which satellites the plot draws.
class CSatellitesPage : public QWidget {
    Q_OBJECT
public:
    CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent = nullptr);

    void OnInitDialog();
    // Rebuilds the chosen set from the check marks.
    void OnOK();

    QTableWidget* List() const { return list_; }

private:
    const SatelliteCatalogue& catalogue_;
    MountSettings& working_;
    QTableWidget* list_;
};

}  // namespace zenbelts
