#pragma once

#include "plot/ArcTable.h"

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QFont>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QTableView;

namespace zenbelts {

class CZenbeltsDoc;
class SatelliteCatalogue;

// The rows of the Misses table. Taking new rows reports only the cells whose
// text or look changed, so that a view repaints just those.
class MissTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MissTableModel(QObject* parent = nullptr);

    static constexpr int ColumnCount = 7;
    // The receiver's angle and its miss, hidden unless asked for.
    static constexpr int ReceiverColumn = 5, ReceiverMissColumn = 6;

    void SetRows(std::vector<MissRow> rows);
    const std::vector<MissRow>& Rows() const { return rows_; }
    // A cell's text as shown.
    const QString& Text(int row, int column) const { return texts_[static_cast<std::size_t>(row)][column]; }
    // The font the view shows rows in: the worst miss's row is bold.
    void SetFont(const QFont& font);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<MissRow> rows_;
    std::vector<std::array<QString, ColumnCount>> texts_;
    QFont bold_;
};

// "Misses": for the active document, each chosen satellite with the motor
// angle that reaches it and by how much the beam passes above or below it.
// Holds nothing of its own: the update pass brings its rows from the document.
class CMissTable : public QDockWidget {
    Q_OBJECT
public:
    explicit CMissTable(QWidget* parent = nullptr);

    void UpdateFrom(const CZenbeltsDoc& doc, const SatelliteCatalogue& catalogue);
    QTableView* Table() const { return table_; }
    const MissTableModel& Model() const { return *model_; }
    // The table as tab-separated text, onto the clipboard.
    void CopyToClipboard() const;
    // The rows selected, or the whole table without a selection.
    void CopySelectionToClipboard() const;
    // Its numbers as CSV (MissTableCsv), onto the clipboard.
    void CopyCsvToClipboard() const;
    QString CsvText() const;

    // The receiver's columns, shown or hidden; the context menu's choice.
    void SetReceiverColumnsShown(bool shown);
    bool ReceiverColumnsShown() const;
    QAction* ReceiverColumnsAction() const { return receiverColumns_; }

signals:
    // The user showed or hid the receiver's columns.
    void receiverColumnsToggled(bool shown);

private:
    // Widens the columns where a text wider than any before has come.
    void FitColumns();

    QTableView* table_;
    MissTableModel* model_;
    QAction* receiverColumns_;
    // Each column's width so far; a column never narrows, so that the table
    // and the panel above it keep their place as values change.
    std::array<int, MissTableModel::ColumnCount> widths_{};
    int namesWidth_ = 0;  // the widest name measured, bold
};

}  // namespace zenbelts
