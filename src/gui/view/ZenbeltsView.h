#pragma once

#include "plot/ArcPlot.h"
#include "plot/DrawingSurface.h"

#include <QWidget>

namespace zenbelts {

class CZenbeltsDoc;

// The document's arc plot in a window. Keeps nothing between paints: every
// paint draws the document's set-up as it is then.
class CZenbeltsView : public QWidget {
    Q_OBJECT
public:
    // objects: the screen's pens and fonts, kept by the program and renewed
    // in place when the screen changes.
    CZenbeltsView(const DrawingObjects& objects, CZenbeltsDoc& doc, QWidget* parent = nullptr);

    CZenbeltsDoc& Document() const { return doc_; }

    // A new document window's client area.
    static QSize DefaultSize() { return {600, 400}; }
    QSize sizeHint() const override { return DefaultSize(); }

    // The screen this view is on, as the plot needs it.
    DeviceMetrics ScreenMetrics() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DrawingObjects& objects_;
    CZenbeltsDoc& doc_;
};

}  // namespace zenbelts
