#pragma once

#include "plot/ArcPlot.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QWidget>

#include <functional>
#include <utility>

namespace zenbelts {

// The face of the desktop at the templates' 8 points.
inline QFont TemplateFont()
{
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

// Dialog-template units turned into pixels through a font's metrics, so that
// a layout reads the same at any screen resolution: x in quarters of the
// font's average character width, y in eighths of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const int alphabet = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = (alphabet / 26 + 1) / 2;
        baseY_ = metrics.height();
    }

    int X(int units) const { return MulDiv(units, baseX_, 4); }
    int Y(int units) const { return MulDiv(units, baseY_, 8); }
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }

private:
    int baseX_;
    int baseY_;
};

// Runs apply now and again whenever the watched widget's font changes, so
// that sizes in dialog units follow a larger font. Owned by the widget.
class FontFollower : public QObject {
public:
    FontFollower(QWidget* watched, std::function<void()> apply) : QObject(watched), apply_(std::move(apply))
    {
        apply_();
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            apply_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> apply_;
};

}  // namespace zenbelts
