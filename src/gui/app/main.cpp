#include "app/AppTexts.h"
#include "app/Translations.h"
#include "app/ZenbeltsApp.h"
#include "model/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before the application starts: it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("zenbelts %s\n", zenbelts::ZenbeltsVersion);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zenbelts::texts::AppName));
    QApplication::setApplicationVersion(QString::fromLatin1(zenbelts::ZenbeltsVersion));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zenbelts::ZenbeltsAppId));

    zenbelts::InstallTranslations(QLocale::system());

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
