#pragma once

#include "app/MainFrame.h"
#include "app/ZenbeltsApp.h"
#include "document/ZenbeltsDoc.h"
#include "model/SettingsArchive.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace zenbelts::testing_support {

// A program with its own satellite list and settings file in a fresh folder;
// errors and the Properties dialog are caught, not shown.
class AppFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& name) const { return dir_.filePath(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& name) const;

    // A fresh program over the same folder, as after a restart.
    CZenbeltsApp& Restart();
    // Starts the program over a stored factory set-up (no first-run dialog);
    // chosen: positions chosen in it.
    void StartWithStoredDefault(std::initializer_list<int> chosen = {});
    // Stores a set-up in the settings file as the default.
    void StoreDefault(const QByteArray& bytes) const;
    QByteArray StoredDefault() const;

    // Writes the factory set-up moved to a latitude as a file; returns its path.
    QString WriteSetUp(const QString& name, int latitude) const;

    static QByteArray Bytes(const MountSettings& settings);
    // Changes a document's set-up as one step, as a command would.
    static void Change(CZenbeltsDoc& doc, const std::function<void(MountSettings&)>& edit);
    // The program's settings, as the default QSettings keeps them here.
    QString SettingsFile() const;
    static MountSettings FromBytes(const QByteArray& bytes);
    // Lets queued work run: the update pass, the first-run step.
    static void Settle();

    QTemporaryDir dir_;
    std::unique_ptr<CZenbeltsApp> app_;
    QStringList errors_;
    int propertiesCalls_ = 0;
    std::function<bool(MountSettings&)> properties_;  // what the "dialog" does
};

}  // namespace zenbelts::testing_support
