#include "app/AppTexts.h"
#include "app/Translations.h"
#include "app/ZenbeltsApp.h"
#include "document/SettingsKeys.h"
#include "model/Version.h"

#include <QApplication>
#include <QCommandLineParser>

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
    // The user's settings store is named by these.
    QApplication::setOrganizationName(QString::fromLatin1(zenbelts::keys::Organization));
    QApplication::setApplicationName(QString::fromLatin1(zenbelts::keys::Application));
    QApplication::setApplicationVersion(QString::fromLatin1(zenbelts::ZenbeltsVersion));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zenbelts::ZenbeltsAppId));

    zenbelts::InstallTranslations(QLocale::system());

    QCommandLineParser parser;
    parser.setApplicationDescription(zenbelts::texts::Tr(zenbelts::texts::AboutTitle));
    parser.addHelpOption();
    parser.addVersionOption();
    // The shell's print request: print on the default printer, then leave.
    const QCommandLineOption print(QStringLiteral("print"),
                                   QCoreApplication::translate("main", "Print FILE on the default printer."),
                                   QStringLiteral("FILE"));
    parser.addOption(print);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("main", "Set-ups to open."),
                                 QStringLiteral("[FILE.zb...]"));
    parser.process(application);

    zenbelts::CZenbeltsApp app;
    if (parser.isSet(print))
        return app.PrintFileDirectly(parser.value(print));
    if (!app.Start(parser.positionalArguments()))
        return 1;
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &app,
                     &zenbelts::CZenbeltsApp::SavePreferences);
    return application.exec();
}
