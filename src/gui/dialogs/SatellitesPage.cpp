#include "dialogs/SatellitesPage.h"

#include "document/CorePaths.h"
#include "document/CoreTexts.h"

#include "catalogue/ReceiverSources.h"
#include "controls/LastFolder.h"
#include "dialogs/ImportProgress.h"
#include "dialogs/SatelliteListKeeper.h"
#include "text/AngleText.h"
#include "text/TextEncoding.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <vector>

namespace zenbelts {

CSatellitesPage::CSatellitesPage(const SatelliteCatalogue& catalogue, MountSettings& working, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), marks_(working.chosenSatellites), list_(new QTableWidget(this)),
      import_(new QPushButton(tr("&Import list..."), this)),
      shipped_(new QPushButton(tr("Use the s&hipped list"), this)),
      choose_(new QPushButton(tr("Choose from &receiver files..."), this)), report_(new QLabel(this)),
      filter_(new QLineEdit(this)), selectAll_(new QPushButton(tr("Select &all"), this)),
      clear_(new QPushButton(tr("C&lear"), this))
{
    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    filter_->setPlaceholderText(tr("name or position"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &CSatellitesPage::ApplyFilter);
    list_->setObjectName(QStringLiteral("satellites"));
    list_->installEventFilter(this);
    list_->setColumnCount(2);
    list_->setHorizontalHeaderLabels({tr("Pos"), tr("Name")});
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The marks follow the check boxes, whichever list is shown.
    connect(list_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != 0)
            return;
        const int position = item->data(Qt::UserRole).toInt();
        if (item->checkState() == Qt::Checked)
            marks_.Set(position);
        else
            marks_.Reset(position);
    });
    selectAll_->setToolTip(tr("Check every satellite shown"));
    connect(selectAll_, &QPushButton::clicked, this, [this] { CheckShown(true); });
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
    import_->setToolTip(tr("Make a list of receivers' files your own satellite list"));
    sourceMenu(import_, [this](const QStringList& sources) { ImportList(sources); });
    shipped_->setToolTip(tr("Drop your own list and use the list that came with the program"));
    connect(shipped_, &QPushButton::clicked, this, &CSatellitesPage::UseShippedList);
    choose_->setToolTip(tr("Check the satellites that a receiver's channel or satellite lists name"));
    sourceMenu(choose_, [this](const QStringList& sources) { ChooseFrom(sources); });
    report_->setWordWrap(true);
    report_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    report_->setTextFormat(Qt::PlainText);
    // Two lines of report whatever they say, so that the page keeps its size.
    report_->setMinimumHeight(2 * report_->fontMetrics().lineSpacing());

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(selectAll_);
    checkRow->addWidget(clear_);
    checkRow->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(import_);
    listRow->addWidget(shipped_);
    listRow->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(filterRow);
    page->addWidget(list_, 1);
    page->addLayout(checkRow);
    page->addLayout(listRow);
    page->addWidget(choose_, 0, Qt::AlignLeading);
    page->addWidget(report_);

    // In the order they stand, the filter first; the list one stop, not
    // one per cell.
    QWidget* const order[] = {filter_, list_, selectAll_, clear_, import_, shipped_, choose_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    list_->setTabKeyNavigation(false);
    UpdateListButtons();
    Refill();
}

const SatelliteCatalogue& CSatellitesPage::ShownCatalogue() const
{
    return pending_ ? pending_->catalogue : catalogue_;
}

void CSatellitesPage::SetListKeeper(SatelliteListKeeper* keeper)
{
    keeper_ = keeper;
    UpdateListButtons();
}

void CSatellitesPage::UpdateListButtons()
{
    import_->setEnabled(keeper_ != nullptr);
    // The shipped list, unless it is the one shown.
    shipped_->setEnabled(keeper_ && (pending_ ? !pending_->shipped : keeper_->UsesUserSatelliteList()));
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

void CSatellitesPage::ImportList(const QStringList& sources)
{
    if (!keeper_)
        return;
    PendingSatelliteList list;
    QString report;
    if (keeper_->ReadSatelliteList(sources, list, report)) {
        pending_ = std::move(list);
        Refill();
        UpdateListButtons();
    }
    report_->setText(report);
}

void CSatellitesPage::UseShippedList()
{
    if (!keeper_)
        return;
    PendingSatelliteList list;
    QString report;
    if (keeper_->ReadShippedSatelliteList(list, report)) {
        pending_ = std::move(list);
        Refill();
        UpdateListButtons();
    }
    report_->setText(report);
}

bool CSatellitesPage::TakePendingList(QString& error)
{
    if (!pending_ || !keeper_)
        return true;
    if (!keeper_->TakeSatelliteList(*pending_, error))
        return false;
    pending_.reset();
    return true;
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

void CSatellitesPage::Refill()
{
    const SatelliteCatalogue& shown = ShownCatalogue();
    const QSignalBlocker quiet(list_);
    list_->setRowCount(0);
    list_->setRowCount(static_cast<int>(shown.size()));
    int row = 0;
    for (const SatelliteEntry& entry : shown) {
        auto* position
            = new QTableWidgetItem(QStringLiteral("%1").arg(entry.position, 4, 10, QLatin1Char('0')));
        position->setData(Qt::UserRole, entry.position);
        position->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        position->setCheckState(marks_.Test(entry.position) ? Qt::Checked : Qt::Unchecked);
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

void CSatellitesPage::Store(MountSettings& working) const
{
    // Chosen are the marked satellites of the list that will be in use.
    working.chosenSatellites.Clear();
    for (const SatelliteEntry& entry : ShownCatalogue()) {
        if (marks_.Test(entry.position))
            working.chosenSatellites.Set(entry.position);
    }
}

}  // namespace zenbelts
