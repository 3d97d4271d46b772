#include "app/Translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProxyStyle>
#include <QTranslator>

#include <memory>

namespace zenbelts {

namespace {

// The translators in force; replaced whole by the next call.
std::unique_ptr<QTranslator>& ProgramTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& QtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Underlining an Alt letter splits a word where it is drawn, and a word of
// Arabic script split apart loses its joined letter forms and grows past
// the room measured for it. In right-to-left languages the letters work
// but are not underlined.
class MnemonicStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_UnderlineShortcut && QGuiApplication::isRightToLeft())
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

}  // namespace

QStringList ProgramLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("ru"),
            QStringLiteral("ar")};
}

bool InstallTranslations(const QLocale& locale)
{
    auto own = std::make_unique<QTranslator>();
    const bool found
        = own->load(locale, QStringLiteral("zenbelts"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    Replace(ProgramTranslator(), found ? std::move(own) : nullptr);

    // Qt's buttons and standard dialogs, where the system has them.
    auto qt = std::make_unique<QTranslator>();
    const bool qtFound = found
                         && qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Replace(QtTranslator(), qtFound ? std::move(qt) : nullptr);

    // Arabic reads right to left: menus, dialogs and the panel mirror.
    QGuiApplication::setLayoutDirection(found ? locale.textDirection() : Qt::LeftToRight);
    if (!dynamic_cast<MnemonicStyle*>(QApplication::style()))
        QApplication::setStyle(new MnemonicStyle);
    return found;
}

}  // namespace zenbelts
