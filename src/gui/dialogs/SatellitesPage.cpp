#include "dialogs/SatellitesPage.h"

#include "document/CorePaths.h"
#include "document/CoreTexts.h"

#include "catalogue/ReceiverSources.h"
#include "controls/DialogUnits.h"
#include "controls/LastFolder.h"
#include "dialogs/ImportProgress.h"
#include "dialogs/SatelliteListKeeper.h"
#include "text/AngleText.h"
#include "text/TextEncoding.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include <vector>

namespace zenbelts {

CSatellitesPage::CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), working_(working), list_(new QTableWidget(this)),
      import_(new QPushButton(tr("Import list..."), this)),
      shipped_(new QPushButton(tr("Use the shipped list"), this)),
      choose_(new QPushButton(tr("Choose from receiver files..."), this)), report_(new QLabel(this)),
      filter_(new QLineEdit(this)), selectAll_(new QPushButton(tr("Select &all"), this)),
      clear_(new QPushButton(tr("C&lear"), this))
{
    setFont(TemplateFont());
    const DialogUnits du(font());
    setFixedSize(du.X(212), du.Y(201));
    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setGeometry(du.Rect(7, 9, 24, 8));
    filterLabel->setBuddy(filter_);
    filter_->setGeometry(du.Rect(33, 7, 172, 12));
    filter_->setPlaceholderText(tr("name or position"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &CSatellitesPage::ApplyFilter);
    list_->setGeometry(du.Rect(7, 22, 198, 99));
    list_->setObjectName(QStringLiteral("satellites"));
    list_->installEventFilter(this);
    selectAll_->setGeometry(du.Rect(7, 124, 60, 14));
    selectAll_->setToolTip(tr("Check every satellite shown"));
    connect(selectAll_, &QPushButton::clicked, this, [this] { CheckShown(true); });
    clear_->setGeometry(du.Rect(71, 124, 60, 14));
    clear_->setToolTip(tr("Uncheck every satellite shown"));
    connect(clear_, &QPushButton::clicked, this, [this] { CheckShown(false); });

    // Receivers keep their lists in one file or in a folder of them.
    const auto sourceMenu = [this](QPushButton* button, const std::function<void(const QStringList&)>& use) {
        auto* menu = new QMenu(button);
        connect(menu->addAction(tr("Files...")), &QAction::triggered, this, [this, use] {
            const QStringList sources = AskSources(false);
            if (!sources.isEmpty())
                use(sources);
        });
        connect(menu->addAction(tr("Folder...")), &QAction::triggered, this, [this, use] {
            const QStringList sources = AskSources(true);
            if (!sources.isEmpty())
                use(sources);
        });
        button->setMenu(menu);
    };
    import_->setGeometry(du.Rect(7, 141, 96, 14));
    import_->setToolTip(tr("Make a list of receivers' files your own satellite list"));
    sourceMenu(import_, [this](const QStringList& sources) { ImportList(sources); });
    shipped_->setGeometry(du.Rect(109, 141, 96, 14));
    shipped_->setToolTip(tr("Drop your own list and use the list that came with the program"));
    connect(shipped_, &QPushButton::clicked, this, &CSatellitesPage::UseShippedList);
    choose_->setGeometry(du.Rect(7, 158, 198, 14));
    choose_->setToolTip(tr("Check the satellites that a receiver's channel or satellite lists name"));
    sourceMenu(choose_, [this](const QStringList& sources) { ChooseFrom(sources); });
    report_->setGeometry(du.Rect(7, 175, 198, 22));
    report_->setWordWrap(true);
    report_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    report_->setTextFormat(Qt::PlainText);
    // In the order they stand, the filter first; the list one stop, not
    // one per cell.
    QWidget* const order[] = {filter_, list_, selectAll_, clear_, import_, shipped_, choose_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    list_->setTabKeyNavigation(false);
    UpdateListButtons();
}

void CSatellitesPage::SetListKeeper(SatelliteListKeeper* keeper)
{
    keeper_ = keeper;
    UpdateListButtons();
}

void CSatellitesPage::UpdateListButtons()
{
    import_->setEnabled(keeper_ != nullptr);
    shipped_->setEnabled(keeper_ && keeper_->UsesUserSatelliteList());
}

QStringList CSatellitesPage::AskSources(bool folder)
{
    QStringList sources;
    if (sourcePrompt) {
        sources = sourcePrompt(folder);
    } else if (folder) {
        const QString chosen
            = QFileDialog::getExistingDirectory(this, tr("Folder of receiver files"), LastFolder::Folder());
        if (!chosen.isEmpty())
            sources.append(chosen);
    } else {
        sources = QFileDialog::getOpenFileNames(
            this, tr("Receiver files"), LastFolder::Folder(),
            tr("Receiver lists (*.xml *.conf *.ini *.txt lamedb*);;All files (*)"));
    }
    if (!sources.isEmpty())
        LastFolder::Remember(sources.first());
    return sources;
}

bool CSatellitesPage::Matches(const QString& filter, int position, const QString& name)
{
    const QString text = filter.trimmed();
    if (text.isEmpty() || name.contains(text, Qt::CaseInsensitive)
        || QStringLiteral("%1").arg(position, 4, 10, QLatin1Char('0')).contains(text))
        return true;
    const QString label = QString::fromStdString(FormatSatelliteLabel(position));
    return label.contains(text, Qt::CaseInsensitive)
           || QString(label).remove(QChar(0x00b0)).contains(text, Qt::CaseInsensitive);
}

void CSatellitesPage::ApplyFilter()
{
    const QString text = filter_->text();
    for (int row = 0; row < list_->rowCount(); ++row) {
        const QTableWidgetItem* position = list_->item(row, 0);
        const QTableWidgetItem* name = list_->item(row, 1);
        if (position && name)
            list_->setRowHidden(row, !Matches(text, position->data(Qt::UserRole).toInt(), name->text()));
    }
}

void CSatellitesPage::CheckShown(bool on)
{
    for (int row = 0; row < list_->rowCount(); ++row) {
        QTableWidgetItem* item = list_->item(row, 0);
        if (item && !list_->isRowHidden(row))
            item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

bool CSatellitesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = list_->currentRow();
        if (key->key() == Qt::Key_Space && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && row >= 0 && !list_->isRowHidden(row)) {
            if (QTableWidgetItem* item = list_->item(row, 0))
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSatellitesPage::Refill()
{
    OnOK();
    OnInitDialog();
}

void CSatellitesPage::ImportList(const QStringList& sources)
{
    if (!keeper_)
        return;
    // The marks as they are now, so that the new list shows them where it can.
    OnOK();
    QString report;
    keeper_->ImportSatelliteList(sources, report);
    Refill();
    report_->setText(report);
    UpdateListButtons();
}

void CSatellitesPage::UseShippedList()
{
    if (!keeper_)
        return;
    OnOK();
    QString report;
    keeper_->UseShippedSatelliteList(report);
    Refill();
    report_->setText(report);
    UpdateListButtons();
}

void CSatellitesPage::ChooseFrom(const QStringList& sources)
{
    ImportResult result;
    Message error;
    if (!ImportWithProgress(this, sources, ReceiverSourceUse::Positions, result, error)) {
        report_->setText(CoreText(error));
        return;
    }
    if (result.satellites.empty()) {
        report_->setText(tr("The files name no satellite positions."));
        return;
    }
    std::vector<bool> named(PositionCount, false);
    for (const ImportedSatellite& s : result.satellites)
        named[static_cast<std::size_t>(s.position)] = true;
    int checked = 0;
    for (int row = 0; row < list_->rowCount(); ++row) {
        QTableWidgetItem* item = list_->item(row, 0);
        if (!item)
            continue;
        const bool on = named[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())];
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        checked += on;
    }
    const int total = static_cast<int>(result.satellites.size());
    if (checked < total)
        report_->setText(tr("%1 of the %2 positions named chosen; the others are not in the list.")
                             .arg(checked)
                             .arg(total));
    else
        report_->setText(checked == 1 ? tr("1 satellite chosen.") : tr("%1 satellites chosen.").arg(checked));
}

void CSatellitesPage::OnInitDialog()
{
    list_->clear();
    list_->setRowCount(0);
    list_->setColumnCount(2);
    list_->setHorizontalHeaderLabels({tr("Pos"), tr("Name")});
    list_->setColumnWidth(1, 200);
    list_->horizontalHeader()->setStretchLastSection(true);
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
    // The whole position beside its check box.
    list_->resizeColumnToContents(0);
    ApplyFilter();
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
