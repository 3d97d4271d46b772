#pragma once

// Mnemonics of the main window that never clash: the menu bar's with the
// panel's, and the items of each menu among themselves.

#include "app/MainFrame.h"
#include "controls/AdjustmentBar.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace zenbelts::testing_support {

// The letter after '&' in a text, lower case, or 0.
inline QChar Mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toLower();
            ++i;
        }
    }
    return QChar();
}

inline void ExpectMnemonicsUnique(CMainFrame& frame)
{
    // In the main window: the menu bar's and the panel's.
    std::map<QChar, QString> window;
    const auto claim = [&window](const QString& text, const QString& where) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            return;
        const auto [it, fresh] = window.emplace(letter, where + QLatin1Char(' ') + text);
        EXPECT_TRUE(fresh) << text.toStdString() << " clashes with " << it->second.toStdString();
    };
    for (QAction* menu : frame.menuBar()->actions())
        claim(menu->text(), QStringLiteral("menu"));
    for (QLabel* label : frame.AdjustmentBar()->findChildren<QLabel*>()) {
        if (label->buddy())
            claim(label->text(), QStringLiteral("panel"));
    }
    for (QAbstractButton* box : frame.AdjustmentBar()->findChildren<QAbstractButton*>())
        claim(box->text(), QStringLiteral("panel"));
    EXPECT_GE(window.size(), 12u);

    // Within each menu.
    for (QAction* menuAction : frame.menuBar()->actions()) {
        QMenu* menu = menuAction->menu();
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
        std::map<QChar, QString> letters;
        for (QAction* action : menu->actions()) {
            const QChar letter = Mnemonic(action->text());
            if (letter.isNull() || action->isSeparator() || !action->isVisible())
                continue;
            const auto [it, fresh] = letters.emplace(letter, action->text());
            EXPECT_TRUE(fresh) << menu->title().toStdString() << ": " << action->text().toStdString()
                               << " clashes with " << it->second.toStdString();
        }
    }
}

}  // namespace zenbelts::testing_support
