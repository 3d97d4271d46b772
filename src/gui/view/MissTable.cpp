#include "view/MissTable.h"

#include "document/ZenbeltsDoc.h"
#include "plot/ArcTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace zenbelts {

CMissTable::CMissTable(QWidget* parent) : QDockWidget(tr("Misses"), parent), table_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("Misses"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    table_->setColumnCount(5);
    QStringList headings;
    for (const char* heading : MissTableHeadings)
        headings.append(tr(heading));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    QFont compact = table_->font();
    compact.setPointSize(8);
    table_->setFont(compact);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(compact).height() + 4);
    // The headings and three rows even on a low screen.
    table_->setMinimumHeight(2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height()
                             + 3 * table_->verticalHeader()->defaultSectionSize());
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(tr("&Copy"), table_);
    connect(copy, &QAction::triggered, this, &CMissTable::CopyToClipboard);
    table_->addAction(copy);
    setWidget(table_);
}

void CMissTable::UpdateFrom(const CZenbeltsDoc& doc, const SatelliteCatalogue& catalogue)
{
    const std::vector<MissRow> rows = ComputeMissTable(doc.Settings(), catalogue);
    text_ = QString::fromStdString(MissTableText(rows));
    table_->setRowCount(static_cast<int>(rows.size()));
    const QColor greyed = palette().color(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const MissRow& r = rows[static_cast<std::size_t>(i)];
        const std::string cells[5] = {r.label, r.name, r.motor, r.miss, r.elevation};
        for (int column = 0; column < 5; ++column) {
            QTableWidgetItem* item = table_->item(i, column);
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(i, column, item);
            }
            item->setText(QString::fromStdString(cells[column]));
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = table_->font();
            font.setBold(r.worst);
            item->setFont(font);
            item->setForeground(r.visible ? table_->palette().color(QPalette::Text) : greyed);
        }
    }
    // The columns as wide as their widest possible text, so that
    // the table keeps its width as the values change: the column it shares
    // with the adjustment panel would move the panel otherwise.
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    // The view lays text out in fractions of a pixel: a pixel to spare.
    const int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1)
                        + (table_->showGrid() ? 1 : 0) + 1;
    // Any row may turn bold as the worst miss moves: measure every name so.
    QStringList names;
    for (const MissRow& r : rows)
        names.append(QString::fromStdString(r.name));
    const QStringList widest[5] = {
        {QString::fromUtf8("000.0\u00b0W")},
        names,
        {QString::fromUtf8("000.0\u00b0W")},
        {QString::fromUtf8("000.00\u00b0 above"), QString::fromUtf8("000.00\u00b0 below")},
        {QString::fromUtf8("-00.0\u00b0")},
    };
    // Room for the vertical scroll bar whether it shows or not: rows come
    // and go as windows are switched.
    int width = 2 * table_->frameWidth()
                + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    for (int column = 0; column < table_->columnCount(); ++column) {
        const QAbstractItemView* view = table_;
        int columnWidth
            = std::max(view->sizeHintForColumn(column), table_->horizontalHeader()->sectionSizeHint(column));
        for (const QString& text : widest[column])
            columnWidth = std::max(columnWidth,
                                   static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + margins);
        // The last one stretches over whatever is left, never below this.
        table_->setColumnWidth(column, columnWidth);
        width += columnWidth;
    }
    // Wide enough to read a row whole, within reason.
    table_->setMinimumWidth(std::min(width, 480));
}

void CMissTable::CopyToClipboard() const
{
    QGuiApplication::clipboard()->setText(text_);
}

}  // namespace zenbelts
