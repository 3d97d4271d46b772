#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/MountSettings.h"
#include "model/StoredPositions.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zenbelts {

// What to give a receiver: the site to enter so that its own angles come
// closest to the mount's, what that gains, and the positions to store for
// the reachable chosen satellites, east to west, with the soft limits
// either side and the DiSEqC commands that set them all.
class CReceiverDialog : public QDialog {
    Q_OBJECT
public:
    CReceiverDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue,
                    QWidget* parent = nullptr);

    QLabel* SiteLabel() const { return site_; }
    QLabel* GainLabel() const { return gain_; }
    QTableWidget* Table() const { return table_; }
    QLabel* LimitsLabel() const { return limits_; }
    QLabel* LeftOutLabel() const { return leftOut_; }
    QLineEdit* Margin() const { return margin_; }
    QLineEdit* Speed() const { return speed_; }
    QTableWidget* Commands() const { return commands_; }
    QPushButton* CopyButton() const { return copy_; }
    const PositionsTable& Positions() const { return positions_; }

    // The table for a spreadsheet, as the core writes it (PositionsCsv).
    QString CsvText() const;
    void CopyAsCsv();
    bool ExportTo(const QString& path, QString& error) const;

private:
    // The table, the limits and the commands for the margin and speed typed.
    void Recompute();
    void OnExport();

    const MountSettings settings_;
    const SatelliteCatalogue& catalogue_;
    PositionsTable positions_;
    QLabel* site_;
    QLabel* gain_;
    QTableWidget* table_;
    QLabel* limits_;
    QLabel* leftOut_;
    QLineEdit* margin_;
    QLineEdit* speed_;
    QTableWidget* commands_;
    QPushButton* copy_;
};

}  // namespace zenbelts
