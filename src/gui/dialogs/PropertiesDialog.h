#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <QDialog>

class QTabWidget;

namespace zenbelts {

class CGeneralPage;
class CHorizonPage;
class CSatellitesPage;
class SatelliteListKeeper;

// "Properties": the General and Satellites pages over one working copy. One
// transaction: nothing changes the set-up, the satellite list in use or the
// user's files until OK; Cancel leaves everything as it was.
class CPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    CPropertiesDialog(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent = nullptr);

    CGeneralPage* GeneralPage() const { return general_; }
    CSatellitesPage* SatellitesPage() const { return satellites_; }
    CHorizonPage* HorizonPage() const { return horizon_; }
    QTabWidget* Tabs() const { return tabs_; }

    void accept() override;

private:
    MountSettings& working_;
    QTabWidget* tabs_;
    CGeneralPage* general_;
    CSatellitesPage* satellites_;
    CHorizonPage* horizon_;
    bool satellitesShown_ = false;
};

// Runs the dialog on a set-up; on OK takes the working copy over (limits
// applied, recalculated, relocated when the location changed). True when confirmed.
// keeper: lets the Satellites page import a list or go back to the shipped one.
bool DoPropertiesDialog(QWidget* parent, const SatelliteCatalogue& catalogue, MountSettings& settings,
                        SatelliteListKeeper* keeper = nullptr);

}  // namespace zenbelts
