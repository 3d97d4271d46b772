#include "view/MissTable.h"

#include "document/CoreTexts.h"
#include "document/ZenbeltsDoc.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStaticText>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zenbelts {

namespace {

std::array<const std::string*, MissTableModel::ColumnCount> Cells(const MissRow& r)
{
    return {&r.label, &r.name, &r.motor, &r.miss, &r.elevation, &r.receiver, &r.receiverMiss};
}

// The text of a cell as shown: the miss in the user's words, "0.25° below";
// numbers and angles keep their order in right-to-left text.
QString CellText(int column, const std::string& cell)
{
    static const std::string above = " above", below = " below";
    const auto endsWith = [&cell](const std::string& tail) {
        return cell.size() > tail.size() && cell.compare(cell.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (column == 1)
        return QString::fromStdString(cell);
    if (column != 3 || !(endsWith(above) || endsWith(below)))
        return LeftToRight(cell);
    const bool up = endsWith(above);
    const QString angle = LeftToRight(cell.substr(0, cell.size() - (up ? above : below).size()));
    return (up ? CMissTable::tr("%1 above") : CMissTable::tr("%1 below")).arg(angle);
}

// Repaints only the cells of a changed range: a slider step changes two
// columns, and the view would repaint every visible cell otherwise. The
// range may start or end in a hidden column or a row scrolled away, so it
// is measured column by column, not from its corner cells.
class MissTableView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override
    {
        if (!topLeft.isValid() || !bottomRight.isValid() || topLeft == bottomRight) {
            QTableView::dataChanged(topLeft, bottomRight, roles);
            return;
        }
        const int top = rowViewportPosition(topLeft.row());
        const int bottom = rowViewportPosition(bottomRight.row()) + rowHeight(bottomRight.row());
        int left = std::numeric_limits<int>::max(), right = std::numeric_limits<int>::min();
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
            if (isColumnHidden(column))
                continue;
            const int x = columnViewportPosition(column);
            left = std::min(left, x);
            right = std::max(right, x + columnWidth(column));
        }
        if (left >= right)
            return;
        const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & viewport()->rect();
        if (!area.isEmpty())
            viewport()->update(area);
    }
};

// Paints a cell's text from a layout made once per text and font: a slider
// step repaints two columns of every row in sight, and laying their texts
// out anew each time would cost more than all the rest of the step.
class MissCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        // Selection and focus as the style draws them; a plain cell shows
        // the view's background, which is there already.
        if (cell.state & (QStyle::State_Selected | QStyle::State_HasFocus)
            || cell.backgroundBrush.style() != Qt::NoBrush)
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        if (text.isEmpty())
            return;
        const int margin = TextMargin(style, widget);
        const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
        const QStaticText& laid = Laid(text, cell.font);
        const QSizeF size = laid.size();
        const Qt::Alignment align = QStyle::visualAlignment(cell.direction, cell.displayAlignment);
        const qreal x = align & Qt::AlignRight ? area.right() + 1 - size.width() : area.left();
        const qreal y = area.top() + (area.height() - size.height()) / 2;
        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : cell.state & QStyle::State_Active   ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        painter->save();
        painter->setFont(cell.font);
        // The model's grey for a satellite below the horizon is in the palette's Text.
        painter->setPen(cell.state & QStyle::State_Selected
                            ? cell.palette.color(group, QPalette::HighlightedText)
                            : cell.palette.color(group, QPalette::Text));
        painter->drawStaticText(QPointF(x, y), laid);
        painter->restore();
    }

private:
    static int TextMargin(QStyle* style, const QWidget* widget)
    {
        return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    }

    const QStaticText& Laid(const QString& text, const QFont& font) const
    {
        // The table's font and its bold: a new font starts the texts over.
        Laying& laying = laying_[font.bold() ? 1 : 0];
        if (laying.font != font) {
            laying.font = font;
            laying.texts.clear();
        }
        QHash<QString, QStaticText>& texts = laying.texts;
        // The texts of a few hundred angles at most; start over past that.
        if (texts.size() > 8192)
            texts.clear();
        auto found = texts.find(text);
        if (found == texts.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), font);
            found = texts.insert(text, laid);
        }
        return *found;
    }

    struct Laying {
        QFont font;
        QHash<QString, QStaticText> texts;
    };
    mutable Laying laying_[2];
};

}  // namespace

MissTableModel::MissTableModel(QObject* parent) : QAbstractTableModel(parent)
{
    bold_.setBold(true);
}

void MissTableModel::SetRows(std::vector<MissRow> rows)
{
    const int before = static_cast<int>(rows_.size());
    const int after = static_cast<int>(rows.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        rows_.resize(rows.size());
        texts_.resize(rows.size());
        endRemoveRows();
    }
    // The rows both have: report each run of changed rows once, over the
    // columns that changed in it.
    int first = -1, left = ColumnCount, right = -1;
    const auto report = [&](int last) {
        if (first >= 0)
            emit dataChanged(index(first, left), index(last, right));
        first = -1;
        left = ColumnCount;
        right = -1;
    };
    for (int i = 0; i < std::min(before, after); ++i) {
        MissRow& old = rows_[static_cast<std::size_t>(i)];
        MissRow& now = rows[static_cast<std::size_t>(i)];
        // A change of look (bold, greyed) touches the whole row.
        const bool look
            = old.worst != now.worst || old.visible != now.visible || old.hiddenBy != now.hiddenBy;
        const auto oldCells = Cells(old), newCells = Cells(now);
        int changedLeft = look ? 0 : ColumnCount, changedRight = look ? ColumnCount - 1 : -1;
        for (int c = 0; c < ColumnCount; ++c) {
            if (*oldCells[c] == *newCells[c])
                continue;
            texts_[static_cast<std::size_t>(i)][c] = CellText(c, *newCells[c]);
            changedLeft = std::min(changedLeft, c);
            changedRight = std::max(changedRight, c);
        }
        old = std::move(now);
        if (changedRight < 0) {
            report(i - 1);
            continue;
        }
        if (first < 0)
            first = i;
        left = std::min(left, changedLeft);
        right = std::max(right, changedRight);
    }
    report(std::min(before, after) - 1);
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        for (int i = before; i < after; ++i) {
            std::array<QString, ColumnCount> texts;
            const auto cells = Cells(rows[static_cast<std::size_t>(i)]);
            for (int c = 0; c < ColumnCount; ++c)
                texts[c] = CellText(c, *cells[c]);
            texts_.push_back(std::move(texts));
            rows_.push_back(std::move(rows[static_cast<std::size_t>(i)]));
        }
        endInsertRows();
    }
}

void MissTableModel::SetFont(const QFont& font)
{
    bold_ = font;
    bold_.setBold(true);
}

int MissTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MissTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MissTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const MissRow& r = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    // Only where a row differs from the view's font and colours: each value
    // given costs the view a palette or font change per cell it paints.
    case Qt::FontRole:
        return r.worst ? QVariant(bold_) : QVariant();
    case Qt::ForegroundRole:
        // Out of the dish's reach (below the horizon among them): greyed.
        return r.Reachable() ? QVariant()
                             : QVariant(QApplication::palette().brush(QPalette::Disabled, QPalette::Text));
    case Qt::ToolTipRole:
        if (r.hiddenBy == HiddenBy::Horizon)
            return r.visible
                       ? CMissTable::tr("Hidden by the horizon: too low over the obstacles there for the "
                                        "dish's beam")
                       : CMissTable::tr("Below the horizon");
        if (r.hiddenBy == HiddenBy::Motor)
            return CMissTable::tr("Beyond the motor's limit: the motor does not turn that far");
        return {};
    default:
        return {};
    }
}

QVariant MissTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return CMissTable::tr(MissTableHeadings[section]);
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
        switch (section) {
        case 0:
            return CMissTable::tr("The satellite's orbital position");
        case 1:
            return CMissTable::tr("The satellite's name in the list");
        case 2:
            return CMissTable::tr(
                "The rotation of the motor from its zero that points the beam at this satellite");
        case 3:
            return CMissTable::tr("How far the satellite lies from the beam at that motor angle: above means "
                                  "the satellite lies above the beam");
        case 4:
            return CMissTable::tr("How high the satellite stands above the horizon");
        case ReceiverColumn:
            return CMissTable::tr(
                "The motor angle a receiver that turns the motor itself would command for an "
                "ideal polar mount at your true site");
        case ReceiverMissColumn:
            return CMissTable::tr("The motor angle less the receiver's, east positive: how far the receiver "
                                  "would turn short of this satellite");
        default:
            break;
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

CMissTable::CMissTable(QWidget* parent)
    : QDockWidget(tr("Misses"), parent), table_(new MissTableView(this)), model_(new MissTableModel(this))
{
    setObjectName(QStringLiteral("Misses"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    table_->setModel(model_);
    table_->setItemDelegate(new MissCellDelegate(table_));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab moves on to the next control rather than from cell to cell.
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    QFont compact = table_->font();
    compact.setPointSize(8);
    table_->setFont(compact);
    model_->SetFont(compact);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(compact).height() + 4);
    // The headings and three rows even on a low screen.
    table_->setMinimumHeight(2 * table_->frameWidth() + table_->horizontalHeader()->sizeHint().height()
                             + 3 * table_->verticalHeader()->defaultSectionSize());
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(tr("&Copy"), table_);
    connect(copy, &QAction::triggered, this, &CMissTable::CopySelectionToClipboard);
    table_->addAction(copy);
    auto* copyCsv = new QAction(tr("Copy as C&SV"), table_);
    connect(copyCsv, &QAction::triggered, this, &CMissTable::CopyCsvToClipboard);
    table_->addAction(copyCsv);
    auto* separator = new QAction(table_);
    separator->setSeparator(true);
    table_->addAction(separator);
    receiverColumns_ = new QAction(tr("&Receiver columns"), table_);
    receiverColumns_->setCheckable(true);
    connect(receiverColumns_, &QAction::triggered, this, [this](bool shown) {
        SetReceiverColumnsShown(shown);
        emit receiverColumnsToggled(shown);
    });
    table_->addAction(receiverColumns_);
    table_->setColumnHidden(MissTableModel::ReceiverColumn, true);
    table_->setColumnHidden(MissTableModel::ReceiverMissColumn, true);
    setWidget(table_);
    FitColumns();
}

void CMissTable::UpdateFrom(const CZenbeltsDoc& doc, const SatelliteCatalogue& catalogue)
{
    std::vector<MissRow> rows = ComputeMissTable(doc.Settings(), catalogue);
    // Names change only with the list or the choice: measure just those.
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    const std::vector<MissRow>& old = model_->Rows();
    int widestName = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i < old.size() && old[i].name == rows[i].name)
            continue;
        widestName = std::max(
            widestName,
            static_cast<int>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(rows[i].name)))));
    }
    model_->SetRows(std::move(rows));
    // Every other column is as wide as its widest possible text already.
    if (widestName > namesWidth_) {
        namesWidth_ = widestName;
        FitColumns();
    }
}

void CMissTable::FitColumns()
{
    // The columns as wide as their widest possible text, so that the table
    // keeps its width as the values change: the column it shares with the
    // adjustment panel would move the panel otherwise. Any row may turn bold
    // as the worst miss moves: measure every text so.
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    // The view lays text out in fractions of a pixel: a pixel to spare.
    const int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1)
                        + (table_->showGrid() ? 1 : 0) + 1;
    const QStringList widest[MissTableModel::ColumnCount] = {
        {QString::fromUtf8("000.0\u00b0W")},
        {},
        {QString::fromUtf8("000.0\u00b0W")},
        {CMissTable::tr("%1 above").arg(QString::fromUtf8("000.00\u00b0")),
         CMissTable::tr("%1 below").arg(QString::fromUtf8("000.00\u00b0"))},
        {QString::fromUtf8("-00.0\u00b0")},
        {QString::fromUtf8("000.0\u00b0W")},
        {QString::fromUtf8("+000.00\u00b0"), QString::fromUtf8("-000.00\u00b0")},
    };
    // Room for the vertical scroll bar whether it shows or not: rows come
    // and go as windows are switched.
    int width = 2 * table_->frameWidth()
                + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    for (int column = 0; column < MissTableModel::ColumnCount; ++column) {
        int columnWidth = std::max(widths_[column], table_->horizontalHeader()->sectionSizeHint(column));
        if (column == 1)
            columnWidth = std::max(columnWidth, namesWidth_ + margins);
        for (const QString& text : widest[column])
            columnWidth = std::max(columnWidth,
                                   static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) + margins);
        // The last one stretches over whatever is left, never below this.
        // A hidden column takes its width when shown.
        const bool hidden = table_->isColumnHidden(column);
        if (columnWidth != widths_[column] || (!hidden && table_->columnWidth(column) < columnWidth)) {
            widths_[column] = columnWidth;
            table_->setColumnWidth(column, columnWidth);
        }
        if (!hidden)
            width += columnWidth;
    }
    // Wide enough to read a row whole, within reason: the receiver's
    // columns scroll into view rather than widen the side pane, which would
    // push the document windows' title buttons out of sight.
    const int minimum = std::min(width, 480);
    if (table_->minimumWidth() != minimum)
        table_->setMinimumWidth(minimum);
}

void CMissTable::CopyToClipboard() const
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(MissTableText(model_->Rows(), ReceiverColumnsShown())));
}

void CMissTable::CopySelectionToClipboard() const
{
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        CopyToClipboard();
        return;
    }
    std::vector<int> indices;
    for (const QModelIndex& index : selected)
        indices.push_back(index.row());
    std::sort(indices.begin(), indices.end());
    std::vector<MissRow> rows;
    for (int i : indices)
        rows.push_back(model_->Rows()[static_cast<std::size_t>(i)]);
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(MissTableText(rows, ReceiverColumnsShown())));
}

QString CMissTable::CsvText() const
{
    return QString::fromStdString(MissTableCsv(model_->Rows(), ReceiverColumnsShown()));
}

void CMissTable::CopyCsvToClipboard() const
{
    QGuiApplication::clipboard()->setText(CsvText());
}

bool CMissTable::ReceiverColumnsShown() const
{
    return !table_->isColumnHidden(MissTableModel::ReceiverColumn);
}

void CMissTable::SetReceiverColumnsShown(bool shown)
{
    receiverColumns_->setChecked(shown);
    if (shown == ReceiverColumnsShown())
        return;
    table_->setColumnHidden(MissTableModel::ReceiverColumn, !shown);
    table_->setColumnHidden(MissTableModel::ReceiverMissColumn, !shown);
    FitColumns();
}

}  // namespace zenbelts
