// Every language the program speaks: complete, its placeholders and
// mnemonics in place, its menus and dialogs whole, Arabic right to left.

#include "SourceTree.h"
#include "app/AppFixture.h"
#include "app/AppTexts.h"
#include "app/Mnemonics.h"
#include "app/TidyLayout.h"
#include "app/Translations.h"
#include "catalogue/ReceiverSources.h"
#include "catalogue/SatelliteList.h"
#include "controls/AdjustmentBar.h"
#include "dialogs/AtTheDishDialog.h"
#include "dialogs/DiagnoseDialog.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/HorizonPage.h"
#include "dialogs/PropertiesDialog.h"
#include "dialogs/ReceiverDialog.h"
#include "document/CoreTexts.h"
#include "io/FileAccess.h"
#include "model/Diagnose.h"
#include "model/HorizonCsv.h"
#include "model/MountSettings.h"
#include "model/Observations.h"
#include "model/SetUpEdits.h"
#include "model/SettingsArchive.h"
#include "plot/PageLayout.h"
#include "plot/RecordingSurface.h"
#include "view/MissTable.h"
#include "view/ZenbeltsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace zenbelts::testing_support {
namespace {

struct Message {
    QString context, source;
    QStringList translations;  // one, or the numerus forms
    QString type;              // "unfinished", "vanished"... or empty
};

QList<Message> ReadTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            // Either text or numerus forms inside.
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    messages.last().translations.append(xml.readElementText());
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (messages.last().translations.isEmpty())
                messages.last().translations.append(text);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QSet<QString> Placeholders(const QString& text)
{
    QSet<QString> found;
    static const QRegularExpression pattern(QStringLiteral("%(\\d+|n)"));
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(0));
    return found;
}

bool HasMnemonic(const QString& text)
{
    return !Mnemonic(text).isNull();
}

class Translation : public AppFixture, public testing::WithParamInterface<QString> {
protected:
    void TearDown() override
    {
        AppFixture::TearDown();
        InstallTranslations(QLocale(QLocale::English));
    }
};

TEST_P(Translation, EveryMessageIsTranslatedWithItsPlaceholdersAndMnemonic)
{
    const QString language = GetParam();
    const QList<Message> messages
        = ReadTs(QStringLiteral(ZENBELTS_SOURCE_DIR "/translations/zenbelts_%1.ts").arg(language));
    ASSERT_GT(messages.size(), 200) << "the file reads as TS";
    for (const Message& m : messages) {
        const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
        EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
        for (const QString& t : m.translations) {
            EXPECT_FALSE(t.trimmed().isEmpty()) << where << " has no translation";
            EXPECT_EQ(Placeholders(t), Placeholders(m.source)) << where << " -> " << t.toStdString();
            EXPECT_EQ(HasMnemonic(t), HasMnemonic(m.source)) << where << " -> " << t.toStdString();
        }
    }
}

TEST_P(Translation, TheProgramSpeaksItAndArabicRunsRightToLeft)
{
    const QLocale locale(GetParam());
    ASSERT_TRUE(InstallTranslations(locale));
    EXPECT_NE(texts::Tr(texts::SaveChanges), QString::fromLatin1(texts::SaveChanges));
    EXPECT_EQ(QApplication::layoutDirection(),
              GetParam() == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
    // Qt's own buttons come in the language too, where the system has them.
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // Back to English: nothing left over.
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::English)));
    EXPECT_EQ(texts::Tr(texts::SaveChanges), QString::fromLatin1(texts::SaveChanges));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_P(Translation, MenusPanelAndPropertiesFitAndMnemonicsDoNotClash)
{
    ASSERT_TRUE(InstallTranslations(QLocale(GetParam())));
    StartWithStoredDefault({130, 192, 770});
    CMainFrame* frame = app_->MainFrame();
    ExpectMnemonicsUnique(*frame);

    // The table of misses speaks it too: headings and the words of its cells.
    const MissTableModel& misses = frame->MissTable()->Model();
    ASSERT_GT(misses.rowCount(), 0);
    EXPECT_NE(misses.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Miss"));
    const QString miss = misses.data(misses.index(0, 3), Qt::DisplayRole).toString();
    EXPECT_FALSE(miss.contains(QStringLiteral("above")) || miss.contains(QStringLiteral("below")))
        << miss.toStdString();

    // The panel shows every control whole; the plot is never mirrored.
    ExpectTidy(frame->AdjustmentBar()->widget(), QStringLiteral("panel"));
    EXPECT_EQ(frame->ActiveView()->layoutDirection(), Qt::LeftToRight);

    // Every menu fits the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QAction* menuAction : frame->menuBar()->actions()) {
        QMenu* menu = menuAction->menu();
        emit menu->aboutToShow();
        EXPECT_LE(menu->sizeHint().width(), screen.width()) << menu->title().toStdString();
    }
    EXPECT_LE(frame->menuBar()->sizeHint().width(), screen.width());

    // The Properties dialog at the size it asks for.
    MountSettings working = app_->DefaultSettings();
    CPropertiesDialog dialog(app_->Catalogue(), working, frame);
    dialog.show();
    QApplication::processEvents();
    ExpectTidy(dialog.GeneralPage(), QStringLiteral("General page"));
    dialog.Tabs()->setCurrentWidget(dialog.HorizonPage());
    QApplication::processEvents();
    ExpectTidy(dialog.HorizonPage(), QStringLiteral("Horizon page"));
    std::map<QChar, QString> letters;
    QStringList texts;
    for (QLabel* label : dialog.HorizonPage()->findChildren<QLabel*>())
        if (label->buddy())
            texts << label->text();
    for (QAbstractButton* button : dialog.HorizonPage()->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            continue;
        const auto [it, fresh] = letters.emplace(letter, text);
        EXPECT_TRUE(fresh) << "Horizon page: " << text.toStdString() << " clashes with "
                           << it->second.toStdString();
    }
    EXPECT_GE(letters.size(), 9u);
    EXPECT_LE(dialog.width(), screen.width());
    EXPECT_LE(dialog.height(), screen.height());
}

// Every text of a dialog shows whole: labels (wrapped ones tall enough),
// buttons, check boxes, group titles, tabs and table headings.
void ExpectWholeTexts(QWidget* root, const QString& where)
{
    int checked = 0;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || w->size().isEmpty())
            continue;
        const std::string name = (where + QStringLiteral(": ") + Describe(w)).toStdString();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            ++checked;
            if (label->wordWrap())
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name << " is cut";
            else
                EXPECT_GE(label->width(), label->sizeHint().width()) << name << " is cut";
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            ++checked;
            EXPECT_GE(button->width(), button->sizeHint().width()) << name << " is cut";
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            EXPECT_GE(group->width(), group->minimumSizeHint().width()) << name << " is cut";
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                EXPECT_GE(tabs->tabRect(i).width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                    << name << " tab " << tabs->tabText(i).toStdString();
        } else if (auto* header = qobject_cast<QHeaderView*>(w);
                   header && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i))
                    continue;
                ++checked;
                EXPECT_GE(header->sectionSize(i), header->sectionSizeHint(i))
                    << name << " heading "
                    << header->model()->headerData(i, Qt::Horizontal).toString().toStdString();
            }
        }
    }
    EXPECT_GT(checked, 3) << where.toStdString();
}

TEST_P(Translation, EveryDialogShowsEveryTextWhole)
{
    ASSERT_TRUE(InstallTranslations(QLocale(GetParam())));
    StartWithStoredDefault({130, 192, 770, 1000});
    CMainFrame* frame = app_->MainFrame();
    const MountSettings& settings = frame->ActiveDocument()->Settings();
    const auto check = [](QDialog& dialog, const QString& where) {
        dialog.show();
        QApplication::processEvents();
        ExpectWholeTexts(&dialog, where);
    };
    MountSettings working = settings;
    CPropertiesDialog properties(app_->Catalogue(), working, frame);
    for (int page = 0; page < properties.Tabs()->count(); ++page) {
        properties.Tabs()->setCurrentIndex(page);
        check(properties, QStringLiteral("Properties page %1").arg(page));
    }
    CReceiverDialog receiver(settings, app_->Catalogue(), frame);
    check(receiver, QStringLiteral("Receiver settings"));
    CAtTheDishDialog atTheDish(settings, QStringLiteral("home.zb"), frame);
    check(atTheDish, QStringLiteral("At the dish"));
    CDiagnoseDialog diagnose(settings, app_->Catalogue(), QStringLiteral("home.zb"), frame);
    check(diagnose, QStringLiteral("Diagnose"));
    diagnose.Observations()->item(0, CDiagnoseDialog::MotorColumn)->setText(QStringLiteral("1"));
    diagnose.FitButton()->click();
    QApplication::processEvents();
    ExpectWholeTexts(&diagnose, QStringLiteral("Diagnose with a report"));
}

// Why the core refused something, as it really words it: a file that is not
// one, a list with a line too long, observations that do not read...
std::vector<std::pair<std::string, zenbelts::Message>> CoreRefusals(const std::filesystem::path& folder)
{
    std::vector<std::pair<std::string, zenbelts::Message>> found;
    const auto refusedSetUp = [&](const char* name, std::vector<std::uint8_t> bytes) {
        MountSettings loaded;
        try {
            LoadSettings(bytes, loaded);
        } catch (const ArchiveError& e) {
            found.emplace_back(name, e.detail());
        }
    };
    std::vector<std::uint8_t> bytes = StoreSettings(MountSettings{});
    refusedSetUp("short set-up", {bytes.begin(), bytes.begin() + 8});
    MountSettings wrongLimits;
    wrongLimits.poleNSMin = 99999;
    refusedSetUp("set-up limits", StoreSettings(wrongLimits));
    bytes[0] = 0x7F;  // a latitude far past the pole
    bytes[3] = 0x7F;
    refusedSetUp("set-up latitude", bytes);

    try {
        ParseHorizonCsv("azimuth,elevation\n180,x\n");
    } catch (const HorizonCsvError& e) {
        found.emplace_back("horizon file", e.message());
    }
    MountSettings masked;
    std::vector<HorizonPoint> twice = {{100, 10}, {100, 20}};
    if (const EditOutcome o = SetHorizon(masked, twice); !o)
        found.emplace_back("horizon twice", o.refusal);

    try {
        ParseObservations("position,motorAngle,offset\n19.2E,x\n");
    } catch (const ObservationsError& e) {
        found.emplace_back("observations", e.message());
    }

    zenbelts::Message error;
    std::vector<std::uint8_t> read;
    if (!WriteFileSafely(folder, read, error))
        found.emplace_back("write over a folder", error);
    const std::string longLine(SatelliteListMaxLineBytes + 1, 'x');
    (void)WriteFileSafely(folder / "sats.lst",
                          {reinterpret_cast<const std::uint8_t*>(longLine.data()), longLine.size()}, error);
    SatelliteCatalogue catalogue;
    if (const SatelliteListResult r = LoadSatelliteListFile((folder / "sats.lst").string(), catalogue); !r)
        found.emplace_back("long list line", r.reason);
    if (!ReadRegularFile(folder / "sats.lst", 100, read, error))
        found.emplace_back("file too large", error);
    try {
        (void)Diagnose(MountSettings{}, catalogue, {});
    } catch (const DiagnoseError& e) {
        found.emplace_back("nothing to diagnose", e.message());
    }
    ImportResult imported;
    if (!ImportReceiverSources({folder / "sats.lst"}, std::nullopt, ReceiverSourceUse::SatelliteList,
                               imported, error))
        found.emplace_back("unknown receiver file", error);
    return found;
}

// Every marked part of a message, down to the details inside it.
void CollectMarked(const zenbelts::Message& m, QList<QPair<QString, QString>>& into)
{
    if (m.Context())
        into.append({QString::fromLatin1(m.Context()), QString::fromStdString(m.Pattern())});
    for (const zenbelts::Message& part : m.Arguments())
        CollectMarked(part, into);
}

TEST_P(Translation, TheCoreRefusalsComeWholeInTheLanguage)
{
    const QString language = GetParam();
    QSet<QPair<QString, QString>> listed;
    for (const Message& m :
         ReadTs(QStringLiteral(ZENBELTS_SOURCE_DIR "/translations/zenbelts_%1.ts").arg(language)))
        listed.insert({m.context, m.source});
    ASSERT_TRUE(InstallTranslations(QLocale(language)));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto refusals = CoreRefusals(QFile::encodeName(folder.path()).toStdString());
    ASSERT_EQ(refusals.size(), 11u) << "each case is refused";
    for (const auto& [name, message] : refusals) {
        QList<QPair<QString, QString>> marked;
        CollectMarked(message, marked);
        EXPECT_GE(marked.size(), 1) << name;
        // Each part reaches the translators; the words shown are theirs.
        for (const auto& part : marked)
            EXPECT_TRUE(listed.contains(part))
                << name << ": " << part.second.toStdString() << " is not in the " << language.toStdString()
                << " translation";
        EXPECT_NE(CoreText(message).toStdString(), message.English()) << name;
    }
}

QImage Drawn(const QString& text, Qt::LayoutDirection direction)
{
    QImage image(800, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    // Whole pixels, so that the same glyphs look the same wherever they stand.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setTextDirection(direction);
    painter.drawText(QRectF(image.rect().adjusted(20, 0, -20, 0)), text, option);
    return image;
}

QRect Inked(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Whether text, drawn in the user's direction, shows part as it reads on
// its own, left to right: the number's picture is found in the text's.
bool ReadsLeftToRight(const QString& text, const QString& part)
{
    const QImage whole = Drawn(text, QApplication::layoutDirection());
    const QImage alone = Drawn(part, Qt::LeftToRight);
    const QRect box = Inked(alone);
    if (box.isEmpty())
        return false;
    const QImage glyphs = alone.copy(box);
    // Another script in the line may move the baseline: look a few rows up and down.
    for (int y = std::max(0, box.top() - 6); y <= std::min(whole.height() - box.height(), box.top() + 6);
         ++y) {
        for (int x = 0; x + glyphs.width() <= whole.width(); ++x) {
            int differ = 0;
            for (int dy = 0; dy < glyphs.height() && differ <= glyphs.width() / 4; ++dy) {
                for (int dx = 0; dx < glyphs.width(); ++dx)
                    differ
                        += (qGray(whole.pixel(x + dx, y + dy)) < 160) != (qGray(glyphs.pixel(dx, dy)) < 160);
            }
            if (differ <= glyphs.width() / 4)
                return true;
        }
    }
    return false;
}

TEST_P(Translation, NumbersKeepTheirOrderAndThePrintedLegendSpeaksTheLanguage)
{
    ASSERT_TRUE(InstallTranslations(QLocale(GetParam())));
    StartWithStoredDefault({1000, 3550});
    CZenbeltsDoc* doc = app_->MainFrame()->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    Change(*doc, [](MountSettings& s) {
        s.latitude = -2600;
        s.Recalculate(true);
    });
    Settle();
    const QString location = app_->MainFrame()->LocationPane();
    EXPECT_TRUE(ReadsLeftToRight(location, QString::fromUtf8("43°20'S, 77°00'E"))) << location.toStdString();
    // A negative elevation in the Misses table keeps its sign in front.
    const MissTableModel& misses = app_->MainFrame()->MissTable()->Model();
    bool negative = false;
    for (int row = 0; row < misses.rowCount(); ++row) {
        const QString cell = misses.Text(row, 4);
        const QString bare = QString(cell).remove(QRegularExpression(QString::fromUtf8("[\u2066-\u2069]")));
        if (bare.startsWith(QLatin1Char('-'))) {
            negative = true;
            EXPECT_TRUE(ReadsLeftToRight(cell, bare)) << cell.toStdString();
        }
    }
    EXPECT_TRUE(negative) << "5.0°W stands below the horizon here";

    // The printed page's legend: captions in the language, values as they are.
    RecordingSurface page;
    DeviceMetrics metrics = WorkedScreen();
    metrics.logPixelsX = metrics.logPixelsY = 600;
    metrics.physicalWidth = metrics.horzRes = 4960;
    metrics.physicalHeight = metrics.vertRes = 7016;
    DrawArcPlot(page, {doc->Settings(), app_->Catalogue(), 600, 400, true, metrics, app_->ScreenObjects(),
                       CoreWords});
    ASSERT_GE(page.texts.size(), 12u);
    const auto english = LegendLines(doc->Settings());
    EXPECT_NE(page.texts[0].text, english[0].substr(0, english[0].find("  "))) << "Location: in the language";
    EXPECT_TRUE(
        ReadsLeftToRight(QString::fromStdString(page.texts[1].text), QString::fromUtf8("43°20'S, 77°00'E")))
        << page.texts[1].text;
    EXPECT_GT(page.texts[1].at.x, page.texts[0].at.x) << "the values stand in a column of their own";
}

INSTANTIATE_TEST_SUITE_P(Languages, Translation, testing::ValuesIn(ProgramLanguages()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace zenbelts::testing_support
