#include "dialogs/ImportProgress.h"

#include "document/CorePaths.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace zenbelts {

bool ImportWithProgress(QWidget* parent, const QStringList& sources, ReceiverSourceUse use,
                        ImportResult& result, Message& error)
{
    const std::vector<std::filesystem::path> paths = FileSystemPaths(sources);
    std::atomic<std::uint64_t> read{0}, inAll{0};
    std::atomic<bool> cancel{false};
    bool imported = false;
    // Until it has ended, the worker alone touches result, error and imported.
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        imported = ImportReceiverSources(paths, std::nullopt, use, result, error,
                                         [&](std::uint64_t done, std::uint64_t all) {
                                             read = done;
                                             inAll = all;
                                             return !cancel;
                                         });
    }));

    QProgressDialog progress(parent);
    progress.setLabelText(QCoreApplication::translate("ImportProgress", "Reading receiver files..."));
    // Nothing else may change the list meanwhile.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setRange(0, 1000);
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel = true; });
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const std::uint64_t all = inAll;
        if (all > 0 && !cancel)
            progress.setValue(static_cast<int>(std::min<std::uint64_t>(read, all) * 1000 / all));
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    tick.start();
    worker->start();
    loop.exec();
    worker->wait();
    return imported;
}

}  // namespace zenbelts
