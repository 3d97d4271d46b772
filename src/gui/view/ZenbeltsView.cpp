#include "view/ZenbeltsView.h"

#include "document/ZenbeltsDoc.h"
#include "paint/ArcPlotOutput.h"
#include "paint/QPainterSurface.h"
#include "plot/ArcPlot.h"

#include <QPainter>
#include <QScreen>

namespace zenbelts {

CZenbeltsView::CZenbeltsView(const DrawingObjects& objects, CZenbeltsDoc& doc, QWidget* parent)
    : QWidget(parent), objects_(objects), doc_(doc)
{
    // The platform erases the background in the window colour before each paint.
    setBackgroundRole(QPalette::Base);
    // F6 and a click bring the keyboard here, so that Ctrl+F4 and the like act on this window.
    setFocusPolicy(Qt::StrongFocus);
    // A picture of the sky as seen from behind the dish: never mirrored,
    // whatever the direction of the user's language.
    setLayoutDirection(Qt::LeftToRight);
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
    DrawArcPlot(surface,
                {doc_.Settings(), doc_.Catalogue(), width(), height(), false, ScreenMetrics(), objects_});
}

}  // namespace zenbelts
