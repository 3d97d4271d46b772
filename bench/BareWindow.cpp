// The baseline of the cold-start benchmark: a program of its own that holds
// a bare main window with a label and a status message, and leaves at the
// label's first paint. Run by bench_app beside itself.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

// Quits at the first paint of the watched widget.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    FirstPaint watcher;
    QMainWindow window;
    auto* label = new QLabel(QStringLiteral("Geostationary satellites"));
    window.setCentralWidget(label);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1000, 700);
    label->installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
