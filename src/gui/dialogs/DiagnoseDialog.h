#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/Diagnose.h"
#include "model/MountSettings.h"

#include <QDialog>
#include <QPrinter>

#include <optional>
#include <vector>

class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;

namespace zenbelts {

// "Diagnose": what was found at the dish, one row per chosen satellite; the
// fit of the six adjustments to it, the report, and what to turn to bring the
// mount to the set-up. The set-up itself is never changed here: the mount as
// found goes out through mountAsFound.
class CDiagnoseDialog : public QDialog {
    Q_OBJECT
public:
    // title: the document's, for the page and the window of the mount as found.
    CDiagnoseDialog(const MountSettings& settings, const SatelliteCatalogue& catalogue, const QString& title,
                    QWidget* parent = nullptr);

    enum Column { SatelliteColumn, NameColumn, MotorColumn, OffsetColumn };

    QTableWidget* Observations() const { return observations_; }
    QTableWidget* AdjustmentsTable() const { return adjustments_; }
    QTableWidget* ResidualsTable() const { return residuals_; }
    QLabel* RmsLabel() const { return rms_; }
    QLabel* NotesLabel() const { return notes_; }
    QLabel* AdviceLabel() const { return advice_; }
    QLabel* MessageLabel() const { return message_; }
    QPushButton* FitButton() const { return fit_; }
    QPushButton* ShowFoundButton() const { return showFound_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* PreviewButton() const { return preview_; }

    // The rows with a motor angle typed; error names the row of the first
    // cell that does not read, and the result is then empty.
    std::vector<Observation> TypedObservations(QString& error) const;
    // Fits, fills the report; false with the reason in the message line.
    bool Fit();
    const std::optional<Diagnosis>& Result() const { return diagnosis_; }
    // The set-up with the fitted adjustments; only after a fit.
    MountSettings MountAsFound() const;
    QString MountAsFoundTitle() const;

    // The CSV file of observations: import replaces what is typed (rows for
    // satellites not listed are added), export writes the typed rows.
    bool ImportFrom(const QString& path, QString& error);
    bool ExportTo(const QString& path, QString& error);

    // The page of advice: title, what to turn, the residuals. Only after a fit.
    bool PrintAdvice(QPrinter& printer);

signals:
    void mountAsFound(const zenbelts::MountSettings& settings, const QString& title);

private:
    // One line of advice in the user's language.
    QString AdviceText(const TurnAdvice& advice) const;
    void AddRow(int position);
    void ClearReport();
    void FillReport();
    void ShowMessage(const QString& text);
    void OnImport();
    void OnExport();
    void OnPrint();
    void OnPreview();
    void PaintPage(QPainter& painter, const QRect& page) const;

    const MountSettings settings_;
    const SatelliteCatalogue& catalogue_;
    const QString title_;
    std::optional<Diagnosis> diagnosis_;
    QPrinter printer_;

    QTableWidget* observations_;
    QTableWidget* adjustments_;
    QTableWidget* residuals_;
    QLabel *rms_, *notes_, *advice_, *message_;
    QPushButton *fit_, *showFound_, *print_, *preview_;
};

}  // namespace zenbelts
