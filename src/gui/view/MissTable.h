#pragma once

#include <QDockWidget>

class QTableWidget;

namespace zenbelts {

class CZenbeltsDoc;
class SatelliteCatalogue;

// "Misses": for the active document, each chosen satellite with the motor
// angle that reaches it and by how much the beam passes above or below it.
// Holds nothing of its own: the update pass rebuilds it from the document.
class CMissTable : public QDockWidget {
    Q_OBJECT
public:
    explicit CMissTable(QWidget* parent = nullptr);

    void UpdateFrom(const CZenbeltsDoc& doc, const SatelliteCatalogue& catalogue);
    QTableWidget* Table() const { return table_; }
    // The table as tab-separated text, onto the clipboard.
    void CopyToClipboard() const;

private:
    QTableWidget* table_;
    QString text_;
};

}  // namespace zenbelts
