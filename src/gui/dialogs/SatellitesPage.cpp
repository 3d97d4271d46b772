#include "dialogs/SatellitesPage.h"

#include "catalogue/TextEncoding.h"
#include "controls/DialogUnits.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace zenbelts {

CSatellitesPage::CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), working_(working), list_(new QTableWidget(this))
{
    setFont(TemplateFont());
    const DialogUnits du(font());
    setFixedSize(du.X(212), du.Y(201));
    list_->setGeometry(du.Rect(7, 7, 198, 187));
    list_->setObjectName(QStringLiteral("satellites"));
}

void CSatellitesPage::OnInitDialog()
{
    list_->clear();
    list_->setRowCount(0);
    list_->setColumnCount(2);
    list_->setHorizontalHeaderLabels({tr("Pos"), tr("Name")});
    list_->setColumnWidth(0, 50);
    list_->setColumnWidth(1, 200);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->verticalHeader()->hide();
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(false);

    list_->setRowCount(static_cast<int>(catalogue_.size()));
    int row = 0;
    for (const SatelliteEntry& entry : catalogue_) {
        auto* position
            = new QTableWidgetItem(QStringLiteral("%1").arg(entry.position, 4, 10, QLatin1Char('0')));
        position->setData(Qt::UserRole, entry.position);
        position->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        position->setCheckState(working_.chosenSatellites.Test(entry.position) ? Qt::Checked : Qt::Unchecked);
        auto* name = new QTableWidgetItem(QString::fromStdString(SatelliteNameToUtf8(entry.name)));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list_->setItem(row, 0, position);
        list_->setItem(row, 1, name);
        ++row;
    }
    list_->resizeRowsToContents();
}

void CSatellitesPage::OnOK()
{
    // Positions without a catalogue entry are dropped here, with everything else unchecked.
    working_.chosenSatellites.Clear();
    for (int row = 0; row < list_->rowCount(); ++row) {
        const QTableWidgetItem* item = list_->item(row, 0);
        if (item && item->checkState() == Qt::Checked)
            working_.chosenSatellites.Set(item->data(Qt::UserRole).toInt());
    }
}

}  // namespace zenbelts
