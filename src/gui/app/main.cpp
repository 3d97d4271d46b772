#include "app/AppTexts.h"
#include "app/ZenbeltsApp.h"
#include "model/Version.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zenbelts::texts::AppName));
    QApplication::setApplicationVersion(QString::fromLatin1(zenbelts::ZenbeltsVersion));

    const QStringList arguments = application.arguments().mid(1);
    zenbelts::CZenbeltsApp app;
    // The shell's print request: print on the default printer, then leave.
    if (arguments.value(0) == QLatin1String("--print") && arguments.size() == 2)
        return app.PrintFileDirectly(arguments[1]);
    if (!app.InitInstance(arguments))
        return 1;
    const int code = application.exec();
    app.ExitInstance();
    return code;
}
