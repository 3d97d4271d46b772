#include "app/AppFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace zenbelts::testing_support {

void AppFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    // The program's default settings store, in the test's own folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Zenbelts"));
    QCoreApplication::setApplicationName(QStringLiteral("Zenbelts"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    WriteFile(QStringLiteral("sats.lst"), "0130=Hot Bird\n0192=Astra\n0770=Here\n1000=East\n3550=West\n");
    Restart();
}

void AppFixture::TearDown()
{
    app_.reset();
    Settle();
}

void AppFixture::WriteFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray AppFixture::ReadFile(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CZenbeltsApp& AppFixture::Restart()
{
    app_.reset();
    Settle();
    app_ = std::make_unique<CZenbeltsApp>(
        AppOptions{.satelliteList = Path(QStringLiteral("sats.lst")), .userDataFolder = {}});
    app_->errorSink = [this](const QString& text) { errors_.append(text); };
    app_->propertiesDialog = [this](MountSettings& s) {
        ++propertiesCalls_;
        return properties_ ? properties_(s) : false;
    };
    return *app_;
}

void AppFixture::StartWithStoredDefault(std::initializer_list<int> chosen)
{
    MountSettings stored;
    stored.LoadFactoryDefaults({});
    for (int p : chosen)
        stored.chosenSatellites.Set(p);
    StoreDefault(Bytes(stored));
    ASSERT_TRUE(app_->Start({}));
    Settle();
}

QString AppFixture::SettingsFile() const
{
    return QSettings().fileName();
}

void AppFixture::Change(CZenbeltsDoc& doc, const std::function<void(MountSettings&)>& edit)
{
    MountSettings s = doc.Settings();
    edit(s);
    doc.SetSettings(s, QStringLiteral("change"));
}

void AppFixture::StoreDefault(const QByteArray& bytes) const
{
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("Settings/Default"), bytes);
}

QByteArray AppFixture::StoredDefault() const
{
    QSettings store(SettingsFile(), QSettings::IniFormat);
    return store.value(QStringLiteral("Settings/Default")).toByteArray();
}

QString AppFixture::WriteSetUp(const QString& name, int latitude) const
{
    MountSettings s;
    s.LoadFactoryDefaults({});
    s.latitude = latitude;
    s.Recalculate(true);
    WriteFile(name, Bytes(s));
    return Path(name);
}

QByteArray AppFixture::Bytes(const MountSettings& settings)
{
    const std::vector<std::uint8_t> bytes = StoreSettings(settings);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

MountSettings AppFixture::FromBytes(const QByteArray& bytes)
{
    MountSettings s;
    LoadSettings(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size())),
                 s);
    return s;
}

void AppFixture::Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace zenbelts::testing_support
