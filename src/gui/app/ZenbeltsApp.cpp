#include "app/ZenbeltsApp.h"

#include "document/CorePaths.h"
#include "document/CoreTexts.h"

#include "app/AppTexts.h"
#include "app/MainFrame.h"
#include "catalogue/ReceiverSources.h"
#include "catalogue/SatelliteList.h"
#include "controls/LastFolder.h"
#include "dialogs/DiagnoseDialog.h"
#include "dialogs/ImportProgress.h"
#include "dialogs/PropertiesDialog.h"
#include "document/SettingsKeys.h"
#include "document/ZenbeltsDoc.h"
#include "io/FileAccess.h"
#include "model/SettingsArchive.h"
#include "model/Version.h"
#include "paint/ArcPlotOutput.h"
#include "view/ZenbeltsView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cmath>

namespace zenbelts {

namespace {

// A file name for a one-line message: control characters would break the line.
QString PrintableName(const QString& name)
{
    return QString::fromStdString(PrintableText(name.toStdString()));
}

}  // namespace

CZenbeltsApp::CZenbeltsApp(AppOptions options) : options_(std::move(options))
{
    screenObjects_ = ScreenDrawingObjects(96);
}

CZenbeltsApp::~CZenbeltsApp()
{
    // Windows first: they refer to the documents.
    mainFrame_.reset();
    catalogue_.Clear();
}

QString CZenbeltsApp::SatelliteListBesideProgram()
{
    const std::filesystem::path dir(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    return QFile::decodeName(QByteArray::fromStdString(FindSatelliteList(dir).string()));
}

QString CZenbeltsApp::ShippedSatelliteList() const
{
    return options_.satelliteList.isEmpty() ? SatelliteListBesideProgram() : options_.satelliteList;
}

QString CZenbeltsApp::UserSatelliteList() const
{
    const QString folder = options_.userDataFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : options_.userDataFolder;
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("sats.lst"));
}

bool CZenbeltsApp::LoadCatalogue()
{
    const QString own = UserSatelliteList();
    usesUserList_ = false;
    if (!own.isEmpty() && QFileInfo::exists(own)) {
        SatelliteCatalogue loaded;
        const SatelliteListResult result = LoadSatelliteListFile(FileSystemPath(own).string(), loaded);
        if (result) {
            catalogue_ = std::move(loaded);
            usesUserList_ = true;
            return true;
        }
        // A broken list of the user's must not keep the program from starting.
        ReportError(tr("Your satellite list %1 cannot be read, so the shipped list is used instead: %2")
                        .arg(PrintableName(own), CoreText(result.reason)));
    }
    const QString path = ShippedSatelliteList();
    catalogue_.Clear();
    const SatelliteListResult loaded = LoadSatelliteListFile(FileSystemPath(path).string(), catalogue_);
    if (loaded)
        return true;
    ReportError(tr("Unable to load sats.lst: %1").arg(CoreText(loaded.reason)));
    return false;
}

bool CZenbeltsApp::ReadSatelliteList(const QStringList& sources, PendingSatelliteList& list, QString& report)
{
    ImportResult result;
    Message error;
    QWidget* parent = QApplication::activeModalWidget();
    if (!ImportWithProgress(parent ? parent : mainFrame_.get(), sources, ReceiverSourceUse::SatelliteList,
                            result, error)) {
        report = CoreText(error);
        return false;
    }
    QString counts
        = tr("read %1, merged %2, skipped %3").arg(result.read).arg(result.merged).arg(result.skipped);
    if (result.cut > 0)
        counts += tr("; names cut to fit: %1").arg(result.cut);
    if (result.satellites.empty()) {
        report = tr("No satellites found: %1.").arg(counts);
        return false;
    }
    // The list as the next start reads it, before it is ever written.
    const SatelliteListResult back = ImportedCatalogue(result, list.catalogue);
    if (!back) {
        report = CoreText(back.reason);
        return false;
    }
    list.shipped = false;
    list.text = WriteSatelliteList(result.satellites);
    const int count = static_cast<int>(result.satellites.size());
    report = (count == 1 ? tr("Imported 1 satellite: %1.") : tr("Imported %1 satellites: %2.").arg(count))
                 .arg(counts);
    return true;
}

bool CZenbeltsApp::ReadShippedSatelliteList(PendingSatelliteList& list, QString& report)
{
    const SatelliteListResult loaded
        = LoadSatelliteListFile(FileSystemPath(ShippedSatelliteList()).string(), list.catalogue);
    if (!loaded) {
        report = tr("Unable to load sats.lst: %1").arg(CoreText(loaded.reason));
        return false;
    }
    list.shipped = true;
    list.text.clear();
    report = tr("The shipped list is used: %1 satellites.").arg(list.catalogue.size());
    return true;
}

bool CZenbeltsApp::TakeSatelliteList(const PendingSatelliteList& list, QString& error)
{
    const QString own = UserSatelliteList();
    if (list.shipped) {
        if (!own.isEmpty() && QFileInfo::exists(own) && !QFile::remove(own)) {
            error = tr("Cannot remove your list %1.").arg(PrintableName(own));
            return false;
        }
    } else {
        if (own.isEmpty() || !QDir().mkpath(QFileInfo(own).absolutePath())) {
            error = tr("There is no folder to keep your own list in.");
            return false;
        }
        Message why;
        if (!WriteTextFileSafely(FileSystemPath(own), list.text, why)) {
            error = tr("Cannot save your list %1: %2").arg(PrintableName(own), CoreText(why));
            return false;
        }
    }
    catalogue_ = list.catalogue;
    usesUserList_ = !list.shipped;
    CatalogueReplaced();
    return true;
}

void CZenbeltsApp::CatalogueReplaced()
{
    // Documents hold the catalogue by reference: only their pictures change.
    for (CZenbeltsDoc* doc : Documents())
        emit doc->changed();
    if (mainFrame_)
        mainFrame_->ShowActiveDocument();
}

void CZenbeltsApp::LoadStoredSettings()
{
    QSettings store;
    showToolTips_ = store.value(keys::ShowToolTips, 0).toInt() != 0;
    showReceiverColumns_ = store.value(keys::ShowReceiverColumns, 0).toInt() != 0;

    store.beginGroup(keys::RecentFileGroup);
    recentFiles_.clear();
    for (int i = 1; i <= keys::RecentFileCount; ++i) {
        const QString file = store.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            recentFiles_.append(file);
    }
    store.endGroup();

    storedSetUpLoaded_ = false;
    const QByteArray bytes = store.value(keys::DefaultSetUp).toByteArray();
    try {
        if (bytes.isEmpty())
            throw ArchiveError(ArchiveError::Cause::EndOfFile, Message::Literal("nothing stored"));
        LoadSettings(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())),
                     defaultSettings_);
        storedSetUpLoaded_ = true;
    } catch (const ArchiveError&) {
        defaultSettings_ = MountSettings();
        defaultSettings_.LoadFactoryDefaults(catalogue_);
    }
}

void CZenbeltsApp::CreateDrawingResources()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpiY = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
    screenObjects_ = ScreenDrawingObjects(dpiY > 0 ? dpiY : 96);
}

bool CZenbeltsApp::Start(const QStringList& files)
{
    if (!LoadCatalogue())
        return false;
    LoadStoredSettings();
    CreateDrawingResources();
    RegisterDocumentType();

    mainFrame_ = std::make_unique<CMainFrame>(*this);

    if (files.isEmpty()) {
        if (!NewDocument())
            return false;
    } else {
        for (const QString& file : files) {
            if (!OpenDocumentFile(file))
                return false;
        }
    }

    mainFrame_->show();
    if (!storedSetUpLoaded_) {
        // After the main window has shown itself.
        QTimer::singleShot(0, this, &CZenbeltsApp::RunFirstRunStep);
    }
    return true;
}

void CZenbeltsApp::RunFirstRunStep()
{
    // The dialog works on the default set-up; only untitled documents made
    // from it follow. A document read from a file keeps that file's set-up.
    DoProperties(defaultSettings_);
    for (CZenbeltsDoc* doc : Documents()) {
        if (doc->PathName().isEmpty() && !doc->IsModified())
            doc->OnNewDocument(defaultSettings_);
    }
}

void CZenbeltsApp::SavePreferences()
{
    const std::vector<std::uint8_t> bytes = StoreSettings(defaultSettings_);
    QSettings store;
    store.setValue(keys::DefaultSetUp, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size())));
    store.setValue(keys::ShowToolTips, showToolTips_ ? 1 : 0);
    StoreRecentFiles(store);
    store.sync();
}

void CZenbeltsApp::StoreRecentFiles(QSettings& store) const
{
    store.beginGroup(keys::RecentFileGroup);
    store.remove(QString());
    for (int i = 0; i < recentFiles_.size(); ++i)
        store.setValue(QStringLiteral("File%1").arg(i + 1), recentFiles_[i]);
    store.endGroup();
}

bool CZenbeltsApp::DoProperties(MountSettings& settings)
{
    const bool confirmed = propertiesDialog
                               ? propertiesDialog(settings)
                               : DoPropertiesDialog(mainFrame_.get(), catalogue_, settings, this);
    // New documents start from the last dish used.
    if (confirmed) {
        defaultSettings_.dishOffset = settings.dishOffset;
        defaultSettings_.feedUp = settings.feedUp;
    }
    return confirmed;
}

void CZenbeltsApp::ReportError(const QString& text)
{
    if (errorSink) {
        errorSink(text);
        return;
    }
    QMessageBox::critical(mainFrame_ ? mainFrame_.get() : nullptr, QString::fromLatin1(texts::AppName), text);
}

QMessageBox::StandardButton CZenbeltsApp::AskSaveChanges(const CZenbeltsDoc& doc)
{
    const QString question = texts::Tr(texts::SaveChanges).arg(PrintableName(doc.Title()));
    if (saveChangesPrompt)
        return saveChangesPrompt(question);
    return QMessageBox::question(mainFrame_ ? mainFrame_.get() : nullptr, QString::fromLatin1(texts::AppName),
                                 question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save);
}

QMessageBox::StandardButton CZenbeltsApp::AskExportObservations(const CZenbeltsDoc& doc)
{
    const QString question
        = doc.Notes().observations.empty()
              ? tr("The observations typed for %1 have not been exported, and some of them do not read. "
                   "Close without them?")
                    .arg(PrintableName(doc.Title()))
              : tr("The observations typed for %1 have not been exported. Export them before closing?")
                    .arg(PrintableName(doc.Title()));
    if (exportObservationsPrompt)
        return exportObservationsPrompt(question);
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(texts::AppName), question,
                    QMessageBox::NoButton, mainFrame_ ? mainFrame_.get() : nullptr);
    if (!doc.Notes().observations.empty())
        box.addButton(tr("&Export..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Discard);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    return clicked == QMessageBox::NoButton ? QMessageBox::Save : clicked;
}

bool CZenbeltsApp::ExportObservations(CZenbeltsDoc& doc)
{
    QString path;
    if (observationsFileNamePrompt) {
        path = observationsFileNamePrompt();
    } else {
        path = QFileDialog::getSaveFileName(mainFrame_ ? mainFrame_.get() : nullptr,
                                            CDiagnoseDialog::tr("Export observations"), LastFolder::Folder(),
                                            CDiagnoseDialog::tr("Observations (*.csv);;All files (*)"));
    }
    if (path.isEmpty())
        return false;
    LastFolder::Remember(path);
    const std::string text = WriteObservations(doc.Notes().observations);
    Message why;
    if (!WriteTextFileSafely(FileSystemPath(path), text, why)) {
        ReportError(
            texts::Tr(texts::SaveFailed).arg(PrintableName(QFileInfo(path).fileName()), CoreText(why)));
        return false;
    }
    FieldNotes notes = doc.Notes();
    notes.unexported = false;
    doc.SetNotes(std::move(notes));
    return true;
}

void CZenbeltsApp::SetShowReceiverColumns(bool show)
{
    showReceiverColumns_ = show;
    QSettings().setValue(keys::ShowReceiverColumns, show ? 1 : 0);
}

QString CZenbeltsApp::AskSaveFileName(const QString& suggested)
{
    if (saveFileNamePrompt) {
        const QString path = saveFileNamePrompt(suggested);
        LastFolder::Remember(path);
        return path;
    }
    QFileDialog dialog(mainFrame_ ? mainFrame_.get() : nullptr, tr("Save As"),
                       LastFolder::StartFor(suggested), texts::Tr(texts::FileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(texts::FileExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    LastFolder::Remember(dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

QList<CZenbeltsDoc*> CZenbeltsApp::Documents() const
{
    return findChildren<CZenbeltsDoc*>(QString(), Qt::FindDirectChildrenOnly);
}

CZenbeltsDoc* CZenbeltsApp::CreateDocument()
{
    auto* doc = new CZenbeltsDoc(catalogue_, this);
    doc->propertiesRequest = [this](MountSettings& settings) { return DoProperties(settings); };
    // Opened or saved, a set-up is the one new documents start from.
    // A file that names no dish (a prime-focus one, or one from before
    // dishes) leaves the last dish used as it was.
    connect(doc, &CZenbeltsDoc::kept, this, [this, doc] {
        const MountSettings last = defaultSettings_;
        defaultSettings_ = doc->Settings();
        if (defaultSettings_.dishOffset == 0 && defaultSettings_.feedUp == 0) {
            defaultSettings_.dishOffset = last.dishOffset;
            defaultSettings_.feedUp = last.feedUp;
        }
    });
    return doc;
}

CZenbeltsDoc* CZenbeltsApp::NewDocument()
{
    auto* doc = CreateDocument();
    if (!doc->OnNewDocument(defaultSettings_)) {
        delete doc;
        return nullptr;
    }
    doc->SetTitle(texts::Tr(texts::UntitledBase) + QString::number(++untitledCount_));
    if (mainFrame_)
        mainFrame_->OpenWindow(*doc);
    return doc;
}

CZenbeltsDoc* CZenbeltsApp::OpenDocumentFile(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (CZenbeltsDoc* doc : Documents()) {
        if (!canonical.isEmpty() && QFileInfo(doc->PathName()).canonicalFilePath() == canonical) {
            if (mainFrame_)
                mainFrame_->ActivateDocument(*doc);
            AddRecentFile(path);
            return doc;
        }
    }
    auto* doc = CreateDocument();
    QString error;
    if (!doc->OnOpenDocument(path, error)) {
        delete doc;
        RemoveRecentFile(path);
        ReportError(texts::Tr(texts::OpenFailed).arg(PrintableName(QFileInfo(path).fileName()), error));
        return nullptr;
    }
    AddRecentFile(path);
    if (mainFrame_)
        mainFrame_->OpenWindow(*doc);
    return doc;
}

bool CZenbeltsApp::SaveDocument(CZenbeltsDoc& doc, const QString& path)
{
    QString error;
    if (!doc.OnSaveDocument(path, error)) {
        ReportError(texts::Tr(texts::SaveFailed).arg(PrintableName(QFileInfo(path).fileName()), error));
        return false;
    }
    AddRecentFile(path);
    return true;
}

void CZenbeltsApp::AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recentFiles_.removeAll(absolute);
    recentFiles_.prepend(absolute);
    while (recentFiles_.size() > keys::RecentFileCount)
        recentFiles_.removeLast();
    if (mainFrame_)
        mainFrame_->UpdateRecentFiles();
}

void CZenbeltsApp::RemoveRecentFile(const QString& path)
{
    // Stored at once: the program may end before its preferences are saved
    // (a bad file on the command line), and the list must not offer the file again.
    if (recentFiles_.removeAll(QFileInfo(path).absoluteFilePath()) == 0)
        return;
    QSettings store;
    StoreRecentFiles(store);
    store.sync();
    if (mainFrame_)
        mainFrame_->UpdateRecentFiles();
}

int CZenbeltsApp::PrintFileDirectly(const QString& path)
{
    if (!LoadCatalogue())
        return 1;
    CZenbeltsDoc doc(catalogue_);
    QString error;
    if (!doc.OnOpenDocument(path, error)) {
        ReportError(texts::Tr(texts::OpenFailed).arg(PrintableName(QFileInfo(path).fileName()), error));
        return 1;
    }
    if (QPrinterInfo::defaultPrinter().isNull()) {
        ReportError(texts::Tr(texts::NoPrinter));
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(path).fileName());
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportError(texts::Tr(texts::NoPrinter));
        return 1;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    PrintArcPlotPage(painter, PageMetrics(printer, ScreenMetricsOf(screen)), doc.Settings(), catalogue_,
                     CZenbeltsView::DefaultSize(), CoreWords);
    painter.end();
    return 0;
}

void CZenbeltsApp::RegisterDocumentType()
{
#ifdef Q_OS_WIN
    // The ".zb" type under the current user's classes, at every start, by the
    // id and MIME type the desktop entry of a Linux installation declares.
    const QString exe = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    const QString type = QString::fromLatin1(ZenbeltsAppId) + QStringLiteral(".Document");
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    classes.setValue(QStringLiteral(".zb/."), type);
    classes.setValue(QStringLiteral(".zb/Content Type"), QStringLiteral("application/x-zenbelts"));
    classes.setValue(type + QStringLiteral("/."), QStringLiteral("Zenbelt Document"));
    classes.setValue(type + QStringLiteral("/DefaultIcon/."), QStringLiteral("\"%1\",0").arg(exe));
    classes.setValue(type + QStringLiteral("/shell/open/command/."),
                     QStringLiteral("\"%1\" \"%2\"").arg(exe, QStringLiteral("%1")));
    classes.setValue(type + QStringLiteral("/shell/print/command/."),
                     QStringLiteral("\"%1\" --print \"%2\"").arg(exe, QStringLiteral("%1")));
#endif
}

}  // namespace zenbelts
