#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zenbelts {

// What to give a receiver that turns the motor itself: the site to enter so
// that its angles come closest to the mount's, what that gains, and the
// command that drives the motor to each chosen satellite.
class CReceiverDialog : public QDialog {
    Q_OBJECT
public:
    CReceiverDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                    QWidget* parent = nullptr);

    QLabel* SiteLabel() const { return site_; }
    QLabel* GainLabel() const { return gain_; }
    QTableWidget* Table() const { return table_; }
    QPushButton* CopyButton() const { return copy_; }

    // The table for a spreadsheet: a heading line, then one line per chosen
    // satellite, numbers plain.
    QString CsvText() const;
    void CopyAsCsv();

private:
    QLabel* site_;
    QLabel* gain_;
    QTableWidget* table_;
    QPushButton* copy_;
    QStringList csvLines_;
};

}  // namespace zenbelts
