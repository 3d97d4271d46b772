// The desktop program's costs a user feels: one step of a slider drag, from
// the slider's movement until the full-HD view and the Misses table have
// repainted; and a cold start to the first painted window, beside a bare
// main window's.

#include "app/AppTexts.h"
#include "app/MainFrame.h"
#include "app/Translations.h"
#include "app/ZenbeltsApp.h"
#include "controls/AdjustmentBar.h"
#include "document/ZenbeltsDoc.h"
#include "model/SettingsArchive.h"
#include "model/Version.h"
#include "view/MissTable.h"
#include "view/ZenbeltsView.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstring>

namespace zenbelts {
namespace {

// A program with a stored set-up (so no first-run dialog) in a private
// folder; list: the satellite list to read, the shipped one when empty.
std::unique_ptr<CZenbeltsApp> StartProgram(const QTemporaryDir& dir, const QString& list = {})
{
    QCoreApplication::setOrganizationName(QStringLiteral("Zenbelts"));
    QCoreApplication::setApplicationName(QStringLiteral("Zenbelts"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        MountSettings s;
        s.LoadFactoryDefaults({});
        const auto bytes = StoreSettings(s);
        QSettings().setValue(
            QStringLiteral("Settings/Default"),
            QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    }
    // The list beside the benchmark, wherever it is run from: a missing list
    // would stop the run at a message box.
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/sats.lst");
    if (list.isEmpty() && !QFile::exists(shipped))
        throw std::runtime_error("no sats.lst beside the benchmark");
    auto app = std::make_unique<CZenbeltsApp>(
        AppOptions{.satelliteList = list.isEmpty() ? shipped : list, .userDataFolder = {}});
    if (!app->Start({}))
        throw std::runtime_error("the program did not start");
    return app;
}

// A list with an entry at every one of the 3,600 positions.
QString WriteFullList(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("full.lst"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the list");
    for (int p = 0; p < 3600; ++p)
        file.write(QStringLiteral("%1=Satellite at position %2\r\n")
                       .arg(p, 4, 10, QLatin1Char('0'))
                       .arg(p)
                       .toLatin1());
    return path;
}

// Sets a flag when the watched widget paints.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The motor azimuth slider: the middle one of the panel's horizontal sliders.
QSlider* MotorAzimuthSlider(CMainFrame& frame)
{
    QList<QSlider*> horizontal;
    for (QSlider* slider : frame.AdjustmentBar()->findChildren<QSlider*>()) {
        if (slider->orientation() == Qt::Horizontal)
            horizontal.append(slider);
    }
    if (horizontal.size() < 2)
        throw std::runtime_error("no motor azimuth slider");
    return horizontal[1];
}

// Steps of a slider drag in a 1920 x 1080 view with the Misses table shown.
// Arg 0: entries in the list (120: the shipped one, 3600: one at every
// position); arg 1: how many of them are chosen (0: all).
void SliderStep(benchmark::State& state)
{
    QTemporaryDir dir;
    const bool full = state.range(0) > 120;
    auto app = StartProgram(dir, full ? WriteFullList(dir) : QString());
    CMainFrame* frame = app->MainFrame();
    CZenbeltsDoc* doc = frame->ActiveDocument();
    const int chosen = static_cast<int>(state.range(1));
    MountSettings s = doc->Settings();
    s.chosenSatellites.Clear();
    const int every = chosen == 0 ? 1 : std::max(1, static_cast<int>(app->Catalogue().size()) / chosen);
    int count = 0;
    for (const SatelliteEntry& e : app->Catalogue()) {
        if (count++ % every == 0)
            s.chosenSatellites.Set(e.position);
    }
    s.motorAzimuthMin = -100;
    s.motorAzimuthMax = 100;
    doc->SetSettings(s, QStringLiteral("benchmark"));
    CZenbeltsView* view = frame->ActiveView();
    auto* window = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    frame->resize(2400, 1500);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    window->resize(window->size() + (QSize(1920, 1080) - view->size()));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QWidget* table = frame->MissTable()->findChild<QAbstractItemView*>()->viewport();
    if (frame->MissTable()->isHidden())
        throw std::runtime_error("the Misses table is hidden");

    PaintWatch viewPaint, tablePaint;
    view->installEventFilter(&viewPaint);
    table->installEventFilter(&tablePaint);
    QSlider* slider = MotorAzimuthSlider(*frame);
    slider->setSliderDown(true);
    int step = 0, tableMissed = 0;
    for (auto _ : state) {
        viewPaint.painted = tablePaint.painted = false;
        // Back and forth across -50..50.
        const int phase = step++ % 200;
        slider->setSliderPosition(phase < 100 ? phase - 50 : 150 - phase);
        slider->triggerAction(QAbstractSlider::SliderMove);
        // Until both have painted; a table whose text did not change may
        // stay as it is, so give up on it once the queue has run dry.
        int idle = 0;
        while (!(viewPaint.painted && tablePaint.painted) && idle < 3) {
            QCoreApplication::processEvents();
            if (viewPaint.painted)
                ++idle;
        }
        if (!tablePaint.painted)
            ++tableMissed;
    }
    slider->setSliderDown(false);
    state.counters["width"] = view->width();
    state.counters["height"] = view->height();
    state.counters["rows"]
        = static_cast<double>(frame->MissTable()->findChild<QAbstractItemView*>()->model()->rowCount());
    state.counters["tableMissed"] = tableMissed;
}
BENCHMARK(SliderStep)
    ->Args({120, 12})
    ->Args({120, 0})
    ->Args({3600, 0})
    ->ArgNames({"entries", "chosen"})
    ->Unit(benchmark::kMillisecond);

double ChildCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs this program again as a child that starts as the desktop program
// does, paints its plot once and leaves; then the bare window, a program of
// its own that loads no more than Qt Widgets; in turn, so that both meet the
// same load. Reports the CPU time and the wall time of each, and their ratios.
void ColdStart(benchmark::State& state)
{
    double cpu[2] = {0, 0}, wall[2] = {0, 0};
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            const double before = ChildCpuSeconds();
            QElapsedTimer timer;
            timer.start();
            QProcess child;
            if (k == 0)
                child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-once")});
            else
                child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_bare_window"),
                            {});
            if (!child.waitForFinished(30000) || child.exitCode() != 0)
                state.SkipWithError("the child did not paint");
            wall[k] += timer.nsecsElapsed() / 1e9;
            cpu[k] += ChildCpuSeconds() - before;
        }
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["zenbelts_cpu_ms"] = cpu[0] / n * 1e3;
    state.counters["bare_cpu_ms"] = cpu[1] / n * 1e3;
    state.counters["zenbelts_wall_ms"] = wall[0] / n * 1e3;
    state.counters["bare_wall_ms"] = wall[1] / n * 1e3;
    state.counters["cpu_ratio"] = cpu[0] / cpu[1];
    state.counters["wall_ratio"] = wall[0] / wall[1];
}
BENCHMARK(ColdStart)->Unit(benchmark::kMillisecond)->Iterations(10);

// Quits at the first paint of the watched widget.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QObject::eventFilter(watched, event);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

// Starts as main does, up to the first paint of the plot.
int StartOnce()
{
    FirstPaint watcher;
    QApplication::setApplicationName(QString::fromLatin1(texts::AppName));
    QApplication::setApplicationVersion(QString::fromLatin1(ZenbeltsVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ZenbeltsAppId));
    InstallTranslations(QLocale::system());
    QTemporaryDir dir;
    auto app = StartProgram(dir);
    app->MainFrame()->ActiveView()->installEventFilter(&watcher);
    return QApplication::exec();
}

}  // namespace
}  // namespace zenbelts

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--start-once") == 0)
        return zenbelts::StartOnce();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
