#pragma once

#include "view/DrawingSurface.h"

#include <QWidget>

namespace zenbelts {

class CZenbeltsApp;
class CZenbeltsDoc;

// The document's arc plot in a window. Keeps nothing between paints: every
// paint draws the document's set-up as it is then.
class CZenbeltsView : public QWidget {
    Q_OBJECT
public:
    CZenbeltsView(CZenbeltsApp& app, CZenbeltsDoc& doc, QWidget* parent = nullptr);

    CZenbeltsDoc& Document() const { return doc_; }

    // A new document window's client area.
    static QSize DefaultSize() { return {600, 400}; }
    QSize sizeHint() const override { return DefaultSize(); }

    // The screen this view is on, as the plot needs it.
    DeviceMetrics ScreenMetrics() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CZenbeltsApp& app_;
    CZenbeltsDoc& doc_;
};

}  // namespace zenbelts
