#include "view/MissTable.h"

#include "model/ZenbeltsDoc.h"
#include "view/ArcTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QFontMetrics>
#include <QPalette>
#include <QScrollBar>
#include <QTableWidget>

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
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = table_->font();
            font.setBold(r.worst);
            item->setFont(font);
            item->setForeground(r.visible ? table_->palette().color(QPalette::Text) : greyed);
        }
    }
    table_->resizeColumnsToContents();
    // Wide enough to read a row whole, within reason: the column it shares
    // with the adjustment panel widens with it.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    table_->setMinimumWidth(std::min(width, 480));
}

void CMissTable::CopyToClipboard() const
{
    QGuiApplication::clipboard()->setText(text_);
}

}  // namespace zenbelts
