#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "dialogs/SatelliteListKeeper.h"
#include "model/MountSettings.h"
#include "plot/ArcPlot.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace zenbelts {

class CMainFrame;
class CZenbeltsDoc;

// The user's settings are the application's default QSettings.
struct AppOptions {
    QString satelliteList;   // instead of the sats.lst found beside the program
    QString userDataFolder;  // instead of the user's data folder, where the user's own list is kept
};

// Owns what all documents share: the catalogue, the default set-up, the
// tooltip preference and the screen's drawing objects; runs start-up and exit.
class CZenbeltsApp : public QObject, public SatelliteListKeeper {
    Q_OBJECT
public:
    explicit CZenbeltsApp(AppOptions options = {});
    ~CZenbeltsApp() override;

    // Start-up: the list, the stored settings, the main window and a
    // document for each file (a new one without files); false ends the program.
    bool Start(const QStringList& files);
    // Writes the default set-up and the preferences back.
    void SavePreferences();

    const SatelliteCatalogue& Catalogue() const { return catalogue_; }
    MountSettings& DefaultSettings() { return defaultSettings_; }
    bool StoredSetUpLoaded() const { return storedSetUpLoaded_; }
    bool ShowToolTips() const { return showToolTips_; }
    void SetShowToolTips(bool show) { showToolTips_ = show; }
    // The Misses table's receiver columns; the choice is stored at once.
    bool ShowReceiverColumns() const { return showReceiverColumns_; }
    void SetShowReceiverColumns(bool show);

    const DrawingObjects& ScreenObjects() const { return screenObjects_; }
    void CreateDrawingResources();

    // The Properties dialog on a set-up: true when confirmed and taken over.
    bool DoProperties(MountSettings& settings);
    // Stands in for the dialog where set (tests of what surrounds it).
    std::function<bool(MountSettings&)> propertiesDialog;

    // Shows an error to the user; tests catch it instead.
    void ReportError(const QString& text);
    std::function<void(const QString&)> errorSink;

    // "Save changes to <title>?": Save, Discard or Cancel. Tests answer
    // through saveChangesPrompt, which is given the question.
    QMessageBox::StandardButton AskSaveChanges(const CZenbeltsDoc& doc);
    std::function<QMessageBox::StandardButton(const QString&)> saveChangesPrompt;
    // "Export the observations typed for <title>?": Save (export), Discard
    // or Cancel, answered through exportObservationsPrompt in tests.
    QMessageBox::StandardButton AskExportObservations(const CZenbeltsDoc& doc);
    std::function<QMessageBox::StandardButton(const QString&)> exportObservationsPrompt;
    // Writes the document's observations to a file the user names; tests
    // name it through observationsFileNamePrompt. False when cancelled or failed.
    bool ExportObservations(CZenbeltsDoc& doc);
    std::function<QString()> observationsFileNamePrompt;
    // The file to save a document as; empty when cancelled. suggested: the
    // document's file or title. Tests answer through saveFileNamePrompt.
    QString AskSaveFileName(const QString& suggested);
    std::function<QString(const QString&)> saveFileNamePrompt;

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    CZenbeltsDoc* NewDocument();
    // Opens a file, or activates the window of a document that holds it already.
    CZenbeltsDoc* OpenDocumentFile(const QString& path);
    bool SaveDocument(CZenbeltsDoc& doc, const QString& path);
    QList<CZenbeltsDoc*> Documents() const;
    const QStringList& RecentFiles() const { return recentFiles_; }

    // Prints a file on the default printer, with no window: exit code.
    int PrintFileDirectly(const QString& path);

    static QString SatelliteListBesideProgram();

    // The user's own list (sats.lst in the user's data folder) comes before
    // the shipped one while it exists; empty when there is no such folder.
    QString UserSatelliteList() const;
    bool ReadSatelliteList(const QStringList& sources, PendingSatelliteList& list, QString& report) override;
    bool ReadShippedSatelliteList(PendingSatelliteList& list, QString& report) override;
    bool TakeSatelliteList(const PendingSatelliteList& list, QString& error) override;
    bool UsesUserSatelliteList() const override { return usesUserList_; }

private:
    CZenbeltsDoc* CreateDocument();
    bool LoadCatalogue();
    QString ShippedSatelliteList() const;
    // Every window shows the satellites of the list now in use.
    void CatalogueReplaced();
    void LoadStoredSettings();
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void StoreRecentFiles(QSettings& store) const;
    void RunFirstRunStep();
    void RegisterDocumentType();

    AppOptions options_;
    SatelliteCatalogue catalogue_;
    bool usesUserList_ = false;
    MountSettings defaultSettings_;
    bool showToolTips_ = false;
    bool showReceiverColumns_ = false;
    bool storedSetUpLoaded_ = false;
    DrawingObjects screenObjects_;
    QStringList recentFiles_;
    int untitledCount_ = 0;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace zenbelts
