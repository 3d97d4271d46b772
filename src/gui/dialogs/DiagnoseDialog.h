#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "document/FieldNotes.h"
#include "model/Diagnose.h"
#include "model/MountSettings.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
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
    QLabel* UncertaintyLabel() const { return uncertainty_; }
    QLabel* WarningLabel() const { return warning_; }
    QLabel* NextLabel() const { return next_; }
    QLabel* AdviceLabel() const { return advice_; }
    QLabel* MessageLabel() const { return message_; }
    // How well the peaks were found, degrees (1σ); empty: from the residuals.
    QLineEdit* MotorPrecisionEdit() const { return motorPrecision_; }
    QLineEdit* OffsetPrecisionEdit() const { return offsetPrecision_; }
    QPushButton* FitButton() const { return fit_; }
    QPushButton* ShowFoundButton() const { return showFound_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* PreviewButton() const { return preview_; }

    // The rows with a motor angle typed; error names the row of the first
    // cell that does not read, and the result is then empty. rows, when
    // given, receives the table row (from 1) of each.
    std::vector<Observation> TypedObservations(QString& error, std::vector<int>* rows = nullptr) const;
    // The precision typed, none when both fields are empty; error when a
    // field does not read.
    std::optional<Precision> TypedPrecision(QString& error) const;
    // Fits, fills the report; false with the reason in the message line.
    bool Fit();
    const std::optional<Diagnosis>& Result() const { return diagnosis_; }
    // The set-up with the fitted adjustments; only after a fit.
    MountSettings MountAsFound() const;
    QString MountAsFoundTitle() const;

    // What is typed, to keep with the document, and back.
    FieldNotes Notes() const;
    void SetNotes(const FieldNotes& notes);

    // Asked when the dialog closes with typed observations never exported:
    // Export, close all the same (they stay with the document), or stay.
    enum class CloseAnswer { Export, Close, Stay };
    std::function<CloseAnswer(const QString& question)> closePrompt;

    // The CSV file of observations: import replaces what is typed (rows for
    // satellites not listed are added), export writes the typed rows.
    bool ImportFrom(const QString& path, QString& error);
    bool ExportTo(const QString& path, QString& error);

    // The page of advice: title, what to turn, the satellites to peak next,
    // the residuals, and the motor angle of every chosen satellite as the
    // mount as found needs it beside the receiver's own. Only after a fit.
    bool PrintAdvice(QPrinter& printer);
    // The words of that page, a line each, cells apart by tabs.
    QString PageText() const;

    void reject() override;

signals:
    void mountAsFound(const zenbelts::MountSettings& settings, const QString& title);

private:
    // The row of a satellite, added when there is none.
    int RowFor(int position);
    void AddRow(int position);
    void ClearReport();
    void FillReport();
    void ShowMessage(const QString& text);
    void OnImport();
    void OnExport();
    void OnPrint();
    void OnPreview();
    // One line of the printed page: a heading, a line of text or a row of a
    // table (cells at the given columns, or one after another), or a
    // paragraph that wraps.
    struct PageLine {
        enum Style { Heading, Text, Bold, Paragraph, BoldParagraph, Gap } style;
        QStringList cells;
        QList<int> columns;
    };
    std::vector<PageLine> PageLines() const;
    void PaintPages(QPainter& painter, QPrinter& printer, const QRect& page) const;

    const MountSettings settings_;
    const SatelliteCatalogue& catalogue_;
    const QString title_;
    std::optional<Diagnosis> diagnosis_;
    QPrinter printer_;

    QTableWidget* observations_;
    QTableWidget* adjustments_;
    QTableWidget* residuals_;
    QLabel *rms_, *notes_, *uncertainty_, *warning_, *next_, *advice_, *message_;
    QLineEdit *motorPrecision_, *offsetPrecision_;
    QPushButton *fit_, *showFound_, *print_, *preview_;
    bool unexported_ = false;
};

}  // namespace zenbelts
