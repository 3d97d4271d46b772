#include "app/AppFixture.h"
#include "controls/AdjustmentBar.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenbelts::testing_support {
namespace {

// What the user answers when asked to save, and the file name given to
// Save As ("" cancels it); every question is kept.
class KeepingWork : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        HookPrompts();
        StartWithStoredDefault({130, 192, 770, 1000, 3550});
        frame_ = app_->MainFrame();
        QApplication::setActiveWindow(frame_);
    }

    void HookPrompts()
    {
        app_->saveChangesPrompt = [this](const QString& question) {
            questions_.append(question);
            return answers_.isEmpty() ? QMessageBox::Cancel : answers_.takeFirst();
        };
        app_->saveFileNamePrompt = [this](const QString& suggested) {
            suggestedNames_.append(suggested);
            return saveAsPath_;
        };
    }

    // A change the user makes: one step of the pole's east/west slider.
    void Change(CZenbeltsDoc& doc)
    {
        frame_->ActivateDocument(doc);
        Settle();
        frame_->AdjustmentBar()
            ->Slider(Adjustment::PoleEW)
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        Settle();
    }

    void TypeInto(Adjustment editId, const QString& text)
    {
        CNumericEdit* edit = frame_->AdjustmentBar()->Edit(editId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    QList<CChildFrame*> Frames(const CZenbeltsDoc& doc) const { return frame_->FramesOf(doc); }

    CMainFrame* frame_ = nullptr;
    QStringList questions_;
    QList<QMessageBox::StandardButton> answers_;
    QStringList suggestedNames_;
    QString saveAsPath_;
};

TEST_F(KeepingWork, EveryChangeMarksTheDocumentAndNothingElseDoes)
{
    const struct {
        const char* name;
        std::function<void(CZenbeltsDoc&)> act;
        bool modifies;
    } cases[] = {
        {"adjustment to a new value", [](CZenbeltsDoc& d) { d.OnAdjustmentChanged(Adjustment::PoleNS, 12); },
         true},
        {"adjustment handing over the same value",
         [](CZenbeltsDoc& d) { d.OnAdjustmentChanged(Adjustment::PoleNS, d.Settings().poleNS); }, false},
        {"auto declination", [](CZenbeltsDoc& d) { d.OnAutoDeclination(); }, true},
        {"lock satellites", [](CZenbeltsDoc& d) { d.OnLockSatellites(); }, true},
        {"set defaults after a change",
         [](CZenbeltsDoc& d) {
             AppFixture::Change(d, [](MountSettings& s) { s.poleNS = 20; });
             d.OnSetDefaults();
         },
         true},
        {"set defaults with nothing to reset", [](CZenbeltsDoc& d) { d.OnSetDefaults(); }, false},
        {"optimise", [](CZenbeltsDoc& d) { d.OnOptimise(); }, true},
        {"properties confirmed with a change",
         [this](CZenbeltsDoc& d) {
             properties_ = [](MountSettings& s) {
                 s.lockSatellites = 1;
                 return true;
             };
             d.OnProperties();
         },
         true},
        {"properties confirmed unchanged",
         [this](CZenbeltsDoc& d) {
             properties_ = [](MountSettings&) { return true; };
             d.OnProperties();
         },
         false},
        {"properties cancelled",
         [this](CZenbeltsDoc& d) {
             properties_ = [](MountSettings& s) {
                 s.lockSatellites = 1;
                 return false;
             };
             d.OnProperties();
         },
         false},
    };
    for (const auto& c : cases) {
        CZenbeltsDoc* doc = app_->NewDocument();
        ASSERT_FALSE(doc->IsModified()) << c.name;
        QSignalSpy spy(doc, &CZenbeltsDoc::modifiedChanged);
        c.act(*doc);
        EXPECT_EQ(doc->IsModified(), c.modifies) << c.name;
        EXPECT_EQ(spy.count(), c.modifies ? 1 : 0) << c.name;
        properties_ = nullptr;
    }
}

TEST_F(KeepingWork, SavingAndOpeningClearTheMarkAFailedSaveKeepsIt)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    doc->OnLockSatellites();
    ASSERT_TRUE(doc->IsModified());
    QDir(dir_.path()).mkdir(QStringLiteral("folder.zb"));
    EXPECT_FALSE(app_->SaveDocument(*doc, Path(QStringLiteral("folder.zb"))));
    EXPECT_TRUE(doc->IsModified());
    ASSERT_TRUE(app_->SaveDocument(*doc, Path(QStringLiteral("a.zb"))));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(FromBytes(ReadFile(QStringLiteral("a.zb"))).lockSatellites, 1);

    CZenbeltsDoc* opened = app_->OpenDocumentFile(WriteSetUp(QStringLiteral("b.zb"), 3000));
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->IsModified());
}

TEST_F(KeepingWork, WindowTitlesShowTheMarkAndTheCaptionFollows)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    CChildFrame* window = Frames(*doc).at(0);
    EXPECT_EQ(CMainFrame::ShownTitle(*window), QStringLiteral("Zenbelt1"));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("[*]")));
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - Zenbelt1"));

    Change(*doc);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(CMainFrame::ShownTitle(*window), QStringLiteral("Zenbelt1*"));
    EXPECT_TRUE(frame_->isWindowModified());
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - Zenbelt1*"));

    frame_->actions().windowNew->trigger();
    Settle();
    QStringList shown;
    for (CChildFrame* f : Frames(*doc))
        shown.append(CMainFrame::ShownTitle(*f));
    EXPECT_EQ(shown, (QStringList{"Zenbelt1:1*", "Zenbelt1:2*"}));

    // Another document, unchanged: the caption follows the active window.
    CZenbeltsDoc* other = app_->NewDocument();
    Settle();
    EXPECT_FALSE(frame_->isWindowModified());
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - Zenbelt2"));
    frame_->ActivateDocument(*doc);
    Settle();
    EXPECT_TRUE(frame_->isWindowModified());

    // Maximised, the window's title joins the caption once, in brackets.
    Frames(*doc).at(0)->showMaximized();
    frame_->ActivateDocument(*doc);
    Settle();
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - [Zenbelt1:1*]"));
    frame_->ActivateDocument(*other);
    Settle();
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - [Zenbelt2]"));
    frame_->ActivateDocument(*doc);
    Frames(*doc).at(0)->showNormal();
    Settle();
    EXPECT_EQ(CMainFrame::ShownTitle(*frame_), QStringLiteral("Zenbelts - Zenbelt1:1*"));

    ASSERT_TRUE(app_->SaveDocument(*doc, Path(QStringLiteral("a[*].zb"))));
    Settle();
    EXPECT_EQ(CMainFrame::ShownTitle(*Frames(*doc).at(0)), QStringLiteral("a[*].zb:1"))
        << "a literal [*] stays";
    EXPECT_FALSE(frame_->isWindowModified());
    EXPECT_FALSE(Frames(*other).at(0)->isWindowModified());
}

struct CloseCase {
    const char* name;
    bool titled;  // opened from a file rather than untitled
    bool modified;
    QList<QMessageBox::StandardButton> answers;
    const char* saveAsName;  // what Save As is given; "" cancels it
    bool asked, closed, written;
};

TEST_F(KeepingWork, ClosingAWindowAsksOnlyForModifiedDocuments)
{
    const CloseCase cases[] = {
        {"unmodified", false, false, {}, "", false, true, false},
        {"discard", false, true, {QMessageBox::Discard}, "", true, true, false},
        {"cancel", false, true, {QMessageBox::Cancel}, "", true, false, false},
        {"save untitled runs save as", false, true, {QMessageBox::Save}, "new.zb", true, true, true},
        {"save as cancelled", false, true, {QMessageBox::Save}, "", true, false, false},
        {"save fails", false, true, {QMessageBox::Save}, "folder.zb", true, false, false},
        {"save titled writes its file", true, true, {QMessageBox::Save}, "", true, true, true},
    };
    QDir(dir_.path()).mkdir(QStringLiteral("folder.zb"));
    for (const CloseCase& c : cases) {
        QFile::remove(Path(QStringLiteral("new.zb")));
        const QString own = WriteSetUp(QStringLiteral("own.zb"), 3000);
        const QByteArray ownBefore = ReadFile(QStringLiteral("own.zb"));
        CZenbeltsDoc* doc = c.titled ? app_->OpenDocumentFile(own) : app_->NewDocument();
        ASSERT_NE(doc, nullptr) << c.name;
        QPointer<CZenbeltsDoc> alive(doc);
        if (c.modified)
            Change(*doc);
        const MountSettings changed = doc->Settings();
        const QString title = doc->Title();
        questions_.clear();
        suggestedNames_.clear();
        errors_.clear();
        answers_ = c.answers;
        saveAsPath_ = *c.saveAsName ? Path(QString::fromLatin1(c.saveAsName)) : QString();

        const bool accepted = Frames(*doc).at(0)->close();
        Settle();
        EXPECT_EQ(accepted, c.closed) << c.name;
        EXPECT_EQ(alive.isNull(), c.closed) << c.name;
        EXPECT_EQ(questions_,
                  c.asked ? QStringList{QStringLiteral("Save changes to %1?").arg(title)} : QStringList())
            << c.name;
        EXPECT_EQ(suggestedNames_.size(),
                  c.asked && !c.titled && c.answers.value(0) == QMessageBox::Save ? 1 : 0)
            << c.name << ": Save As only for an untitled document";
        const QString written = c.titled ? QStringLiteral("own.zb") : QStringLiteral("new.zb");
        if (c.written)
            EXPECT_EQ(FromBytes(ReadFile(written)), changed) << c.name;
        else if (c.titled)
            EXPECT_EQ(ReadFile(written), ownBefore) << c.name;
        else
            EXPECT_FALSE(QFile::exists(Path(written))) << c.name;
        if (alive) {
            EXPECT_TRUE(alive->IsModified()) << c.name << ": still holds the unsaved work";
            EXPECT_EQ(alive->Settings(), changed) << c.name;
        }
        EXPECT_EQ(errors_.size(), std::string(c.name) == "save fails" ? 1 : 0) << c.name;
        // Leave nothing modified behind for the next case.
        if (alive) {
            alive->UndoStack()->setClean();
            Frames(*alive).at(0)->close();
            Settle();
        }
    }
}

TEST_F(KeepingWork, OnlyTheLastWindowOfADocumentAsksAndFileCloseAsksOnce)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    Change(*doc);
    frame_->actions().windowNew->trigger();
    Settle();
    ASSERT_EQ(Frames(*doc).size(), 2);
    EXPECT_TRUE(Frames(*doc).at(1)->close());
    Settle();
    EXPECT_TRUE(questions_.isEmpty()) << "another window still shows the document";

    frame_->actions().windowNew->trigger();
    Settle();
    answers_ = {QMessageBox::Cancel};
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_EQ(Frames(*doc).size(), 2) << "a cancel keeps every window";

    answers_ = {QMessageBox::Discard};
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_EQ(questions_.size(), 2) << "asked once for both windows";
    EXPECT_TRUE(app_->Documents().isEmpty());
}

TEST_F(KeepingWork, ExitAsksForEachModifiedDocumentInTurn)
{
    CZenbeltsDoc* first = app_->Documents()[0];
    const QString path = WriteSetUp(QStringLiteral("second.zb"), 3000);
    CZenbeltsDoc* second = app_->OpenDocumentFile(path);
    CZenbeltsDoc* untouched = app_->NewDocument();
    ASSERT_NE(second, nullptr);
    Change(*first);
    Change(*second);
    const MountSettings secondChanged = second->Settings();
    const QByteArray storedDefault = StoredDefault();

    // Save the first, cancel on the second: nothing closes, the save stays done.
    saveAsPath_ = Path(QStringLiteral("first.zb"));
    answers_ = {QMessageBox::Save, QMessageBox::Cancel};
    EXPECT_FALSE(frame_->close());
    EXPECT_EQ(questions_, (QStringList{"Save changes to Zenbelt1?", "Save changes to second.zb?"}));
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_EQ(app_->Documents().size(), 3);
    EXPECT_FALSE(first->IsModified());
    EXPECT_EQ(FromBytes(ReadFile(QStringLiteral("first.zb"))), first->Settings());
    EXPECT_TRUE(second->IsModified());
    EXPECT_EQ(frame_->ActiveDocument(), second) << "the window asked about comes to the front";

    // File > Exit asks again, only for what is still modified.
    questions_.clear();
    answers_ = {QMessageBox::Save};
    frame_->actions().fileExit->trigger();
    Settle();
    EXPECT_EQ(questions_, QStringList{"Save changes to second.zb?"});
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(FromBytes(ReadFile(QStringLiteral("second.zb"))), secondChanged);
    EXPECT_FALSE(untouched->IsModified());
    EXPECT_EQ(StoredDefault(), storedDefault) << "the default set-up is stored at exit, not on closing";
}

TEST_F(KeepingWork, ExitWithDiscardClosesWithoutWriting)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    Change(*doc);
    answers_ = {QMessageBox::Discard};
    EXPECT_TRUE(frame_->close());
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_TRUE(suggestedNames_.isEmpty());
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("*.zb")}, QDir::Files), QStringList());
}

TEST_F(KeepingWork, SaveTakesTheValueStillBeingTyped)
{
    const struct {
        const char* name;
        bool saveAs;
        const char* typed;
        int expected;  // poleNS in the file
    } cases[] = {
        {"save", false, "2.5 s", -25},
        {"save as", true, "1.5", 15},
        {"outside the range keeps the old value", false, "9", 0},
    };
    for (const auto& c : cases) {
        CZenbeltsDoc* doc = app_->OpenDocumentFile(WriteSetUp(QStringLiteral("typed.zb"), 2600));
        ASSERT_NE(doc, nullptr) << c.name;
        ASSERT_EQ(doc->Settings().poleNS, 0);
        Settle();
        saveAsPath_ = Path(QStringLiteral("typed.zb"));
        TypeInto(Adjustment::PoleNS, QString::fromLatin1(c.typed));
        (c.saveAs ? frame_->actions().fileSaveAs : frame_->actions().fileSave)->trigger();
        EXPECT_EQ(FromBytes(ReadFile(QStringLiteral("typed.zb"))).poleNS, c.expected) << c.name;
        EXPECT_FALSE(doc->IsModified()) << c.name;
        EXPECT_TRUE(errors_.isEmpty()) << c.name;
        doc->UndoStack()->setClean();
        frame_->actions().fileClose->trigger();
        Settle();
    }
}

TEST_F(KeepingWork, ClosingCountsAValueStillBeingTyped)
{
    CZenbeltsDoc* doc = app_->Documents()[0];
    TypeInto(Adjustment::PoleNS, QStringLiteral("1.2"));
    answers_ = {QMessageBox::Cancel};
    frame_->actions().fileClose->trigger();
    Settle();
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_EQ(doc->Settings().poleNS, 12);
}

TEST_F(KeepingWork, FailedOpenDropsTheFileFromTheRecentList)
{
    const QString gone = WriteSetUp(QStringLiteral("gone.zb"), 3000);
    const QString kept = WriteSetUp(QStringLiteral("kept.zb"), 600);
    for (const QString& path : {gone, kept}) {
        CZenbeltsDoc* doc = app_->OpenDocumentFile(path);
        ASSERT_NE(doc, nullptr);
        Frames(*doc).at(0)->close();
        Settle();
    }
    ASSERT_EQ(app_->RecentFiles(), (QStringList{kept, gone}));
    QFile::remove(gone);

    const auto stored = [this] {
        QSettings store(SettingsFile(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("Recent File List"));
        QStringList files;
        for (const QString& key : store.childKeys())
            files.append(store.value(key).toString());
        return files;
    };
    frame_->actions().recentFiles[1]->trigger();
    Settle();
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].startsWith(QStringLiteral("Cannot open gone.zb: "))) << errors_[0].toStdString();
    EXPECT_EQ(app_->RecentFiles(), QStringList{kept});
    EXPECT_EQ(stored(), QStringList{kept}) << "stored at once";
    EXPECT_EQ(frame_->actions().recentFiles[0]->text(),
              QStringLiteral("&1 ") + QDir::toNativeSeparators(kept));
    EXPECT_FALSE(frame_->actions().recentFiles[1]->isVisible());

    // A bad file on the command line ends the program: the list is kept without it.
    QFile::remove(kept);
    Restart();
    HookPrompts();
    EXPECT_FALSE(app_->Start({kept}));
    EXPECT_TRUE(app_->RecentFiles().isEmpty());
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(KeepingWork, FifoAndOtherNonFilesAreRefusedAtOnce)
{
    const QString fifo = Path(QStringLiteral("pipe.zb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* name;
        QString path;
        bool commandLine;
        const char* why;
    } cases[] = {
        {"fifo opened", fifo, false, "it is not a regular file"},
        {"fifo on the command line", fifo, true, "it is not a regular file"},
        {"folder", dir_.path(), false, "it is a folder"},
    };
    for (const auto& c : cases) {
        errors_.clear();
        // Should the open block on the FIFO, a writer coming and going frees it.
        std::atomic<bool> done{false};
        std::thread rescue([&] {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!done && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!done) {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
        const auto start = std::chrono::steady_clock::now();
        bool opened;
        if (c.commandLine) {
            Restart();
            HookPrompts();
            opened = app_->Start({c.path});
        } else {
            opened = app_->OpenDocumentFile(c.path) != nullptr;
        }
        const auto took = std::chrono::steady_clock::now() - start;
        done = true;
        rescue.join();
        EXPECT_FALSE(opened) << c.name;
        EXPECT_LT(took, std::chrono::seconds(2)) << c.name;
        ASSERT_EQ(errors_.size(), 1) << c.name;
        EXPECT_TRUE(errors_[0].contains(QString::fromLatin1(c.why)))
            << c.name << ": " << errors_[0].toStdString();
    }
}

TEST_F(KeepingWork, ErrorMessagesStayOnOneLine)
{
    const QString name = QStringLiteral("bad\nname\r.zb");
    EXPECT_EQ(app_->OpenDocumentFile(Path(name)), nullptr);
    EXPECT_FALSE(app_->SaveDocument(*app_->Documents()[0], Path(QStringLiteral("missing/") + name)));
    ASSERT_EQ(errors_.size(), 2);
    for (const QString& error : errors_) {
        EXPECT_FALSE(error.contains(QLatin1Char('\n')) || error.contains(QLatin1Char('\r')))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("bad?name?.zb"))) << error.toStdString();
    }
}

class FirstStart : public AppFixture {};

TEST_F(FirstStart, TwoFilesKeepTheirOwnSetUps)
{
    MountSettings a, b;
    a.LoadFactoryDefaults({});
    a.latitude = 3000;
    a.Recalculate(true);
    b = a;
    b.latitude = 600;
    b.longitude = -300;
    b.Recalculate(true);
    WriteFile(QStringLiteral("a.zb"), Bytes(a));
    WriteFile(QStringLiteral("b.zb"), Bytes(b));
    properties_ = [](MountSettings& s) {
        MountSettings working = s;
        working.latitude = 1200;
        ApplyConfirmedProperties(s, working);
        return true;
    };
    app_->saveChangesPrompt = [](const QString&) { return QMessageBox::Cancel; };
    ASSERT_TRUE(app_->Start({Path(QStringLiteral("a.zb")), Path(QStringLiteral("b.zb"))}));
    Settle();
    ASSERT_EQ(propertiesCalls_, 1);
    ASSERT_EQ(app_->Documents().size(), 2);
    for (CZenbeltsDoc* doc : app_->Documents()) {
        EXPECT_EQ(doc->Settings(), doc->Title() == QStringLiteral("a.zb") ? a : b)
            << doc->Title().toStdString();
        EXPECT_FALSE(doc->IsModified()) << doc->Title().toStdString();
    }
    EXPECT_EQ(app_->DefaultSettings().latitude, 1200) << "the dialog set the default";
    CZenbeltsDoc* fresh = app_->NewDocument();
    EXPECT_EQ(fresh->Settings().latitude, 1200) << "a new window starts from it";

    // Saving the first window writes its own set-up back.
    CMainFrame* frame = app_->MainFrame();
    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList(QMdiArea::CreationOrder).first());
    ASSERT_EQ(frame->ActiveDocument()->Title(), QStringLiteral("a.zb"));
    frame->actions().fileSave->trigger();
    EXPECT_EQ(ReadFile(QStringLiteral("a.zb")), Bytes(a));
    EXPECT_EQ(ReadFile(QStringLiteral("b.zb")), Bytes(b));
}

}  // namespace
}  // namespace zenbelts::testing_support
