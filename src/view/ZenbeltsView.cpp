#include "view/ZenbeltsView.h"

#include "app/ZenbeltsApp.h"
#include "model/ZenbeltsDoc.h"
#include "view/ArcPlot.h"
#include "view/ArcPlotOutput.h"
#include "view/QPainterSurface.h"

#include <QPainter>
#include <QScreen>

namespace zenbelts {

CZenbeltsView::CZenbeltsView(CZenbeltsApp& app, CZenbeltsDoc& doc, QWidget* parent)
    : QWidget(parent), app_(app), doc_(doc)
{
    // The platform erases the background in the window colour before each paint.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMinimumSize(1, 1);
    connect(&doc_, &CZenbeltsDoc::changed, this, qOverload<>(&QWidget::update));
}

DeviceMetrics CZenbeltsView::ScreenMetrics() const
{
    return ScreenMetricsOf(screen());
}

void CZenbeltsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPainterSurface surface(painter);
    DrawArcPlot(surface, {doc_.Settings(), app_.Catalogue(), width(), height(), false, ScreenMetrics(),
                          app_.ScreenObjects()});
}

}  // namespace zenbelts
