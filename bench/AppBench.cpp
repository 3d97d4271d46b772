// The desktop program's costs a user feels: one adjustment, from the
// notification to the end of the repaint of a full-HD view; and a cold start
// to the first painted window, beside a bare main window's.

#include "app/MainFrame.h"
#include "app/ZenbeltsApp.h"
#include "controls/AdjustmentBar.h"
#include "controls/ControlIds.h"
#include "document/ZenbeltsDoc.h"
#include "model/SettingsArchive.h"
#include "view/ZenbeltsView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstring>

namespace zenbelts {
namespace {

struct Slider : AdjustmentSource {
    int position = 0;
    int Position() const override { return position; }
};

// A program with a stored set-up (so no first-run dialog) in a private folder.
std::unique_ptr<CZenbeltsApp> StartProgram(const QTemporaryDir& dir)
{
    const QString ini = dir.filePath(QStringLiteral("settings.ini"));
    {
        MountSettings s;
        s.LoadFactoryDefaults({});
        const auto bytes = StoreSettings(s);
        QSettings(ini, QSettings::IniFormat)
            .setValue(QStringLiteral("Settings/Default"),
                      QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size())));
    }
    auto app = std::make_unique<CZenbeltsApp>(AppOptions{ini, QStringLiteral("sats.lst")});
    if (!app->InitInstance({}))
        throw std::runtime_error("run from the folder that holds sats.lst");
    return app;
}

// Every entry of the list chosen, in a view of 1920 x 1080.
CZenbeltsView& BusyFullHdView(CZenbeltsApp& app)
{
    CZenbeltsDoc* doc = app.MainFrame()->ActiveDocument();
    for (const SatelliteEntry& e : app.Catalogue())
        doc->Settings().chosenSatellites.Set(e.position);
    CZenbeltsView* view = app.MainFrame()->ActiveView();
    auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    app.MainFrame()->resize(2400, 1500);
    frame->resize(frame->size() + (QSize(1920, 1080) - view->size()));
    app.MainFrame()->UpdateCommandUi();
    QCoreApplication::processEvents();
    return *view;
}

void AdjustmentToRepaint(benchmark::State& state)
{
    QTemporaryDir dir;
    auto app = StartProgram(dir);
    CZenbeltsView* view = &BusyFullHdView(*app);
    CZenbeltsDoc* doc = &view->Document();
    state.counters["width"] = view->width();
    state.counters["height"] = view->height();

    Slider slider;
    int step = 0;
    for (auto _ : state) {
        slider.position = (step++ % 101) - 50;
        doc->OnAdjustmentChanged(Adjustment::MotorAzimuth, slider.position);
        view->repaint();
    }
}
BENCHMARK(AdjustmentToRepaint)->Unit(benchmark::kMillisecond);

// A drag of the motor azimuth slider across 100 steps, each step stored,
// recalculated and the full-HD view repainted before the next: the time per
// step is a hundredth of the time reported.
void SliderDrag100Steps(benchmark::State& state)
{
    QTemporaryDir dir;
    auto app = StartProgram(dir);
    CZenbeltsDoc* doc = app->MainFrame()->ActiveDocument();
    doc->Settings().motorAzimuthMin = -100;
    doc->Settings().motorAzimuthMax = 100;
    CZenbeltsView* view = &BusyFullHdView(*app);
    CAdjustmentSlider* slider = app->MainFrame()->AdjustmentBar()->Slider(IDC_MOTOR_AZIMUTH_SLIDER);
    for (auto _ : state) {
        slider->setSliderDown(true);
        for (int step = -50; step < 50; ++step) {
            slider->setSliderPosition(step);
            view->repaint();
        }
        slider->setSliderDown(false);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(SliderDrag100Steps)->Unit(benchmark::kMillisecond);

// Runs this program again as a child that starts, paints once and leaves.
void ColdStart(benchmark::State& state, const char* what)
{
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--start-once"), QString::fromLatin1(what)});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            state.SkipWithError("the child did not paint");
    }
}
BENCHMARK_CAPTURE(ColdStart, Zenbelts, "zenbelts")->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(ColdStart, BareMainWindow, "bare")->Unit(benchmark::kMillisecond)->Iterations(10);

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

int StartOnce(const char* what)
{
    FirstPaint watcher;
    if (std::strcmp(what, "bare") == 0) {
        QMainWindow window;
        window.installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }
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
    if (argc == 3 && std::strcmp(argv[1], "--start-once") == 0)
        return zenbelts::StartOnce(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
