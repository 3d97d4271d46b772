#include "view/MissTable.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <string>
#include <vector>

namespace zenbelts {
namespace {

MissRow Row(int position, const std::string& miss, bool worst = false, bool visible = true,
            const std::string& receiverMiss = "+0.10\u00b0")
{
    // As the core makes them: below the horizon is out of reach.
    return {.position = position,
            .label = std::to_string(position),
            .name = "Name " + std::to_string(position),
            .motor = "1.0\u00b0E",
            .miss = miss,
            .elevation = "40.0\u00b0",
            .missDegrees = 0.0,
            .visible = visible,
            .worst = worst,
            .receiver = "0.9\u00b0E",
            .receiverMiss = receiverMiss,
            .hiddenBy = visible ? HiddenBy::None : HiddenBy::Horizon};
}

// Each dataChanged as "row,column-row,column".
std::vector<std::string> Changes(const QSignalSpy& spy)
{
    std::vector<std::string> out;
    for (const QList<QVariant>& args : spy) {
        const auto from = args[0].value<QModelIndex>(), to = args[1].value<QModelIndex>();
        out.push_back(std::to_string(from.row()) + "," + std::to_string(from.column()) + "-"
                      + std::to_string(to.row()) + "," + std::to_string(to.column()));
    }
    return out;
}

TEST(MissTableModel, ReportsOnlyTheCellsThatChanged)
{
    const std::vector<MissRow> start = {Row(1, "a"), Row(2, "b"), Row(3, "c"), Row(4, "d"), Row(5, "e")};
    const struct {
        const char* name;
        std::vector<MissRow> next;
        std::vector<std::string> changes;
        int inserted, removed;
    } cases[] = {
        {"nothing changed", start, {}, 0, 0},
        {"one cell", {Row(1, "a"), Row(2, "B"), Row(3, "c"), Row(4, "d"), Row(5, "e")}, {"1,3-1,3"}, 0, 0},
        {"two runs",
         {Row(1, "A"), Row(2, "B"), Row(3, "c"), Row(4, "D"), Row(5, "e")},
         {"0,3-1,3", "3,3-3,3"},
         0,
         0},
        {"a row turns bold: the whole row",
         {Row(1, "a"), Row(2, "b"), Row(3, "c", true), Row(4, "d"), Row(5, "e")},
         {"2,0-2,6"},
         0,
         0},
        {"a row sets",
         {Row(1, "a"), Row(2, "b"), Row(3, "c"), Row(4, "d"), Row(5, "e", false, false)},
         {"4,0-4,6"},
         0,
         0},
        {"a receiver's miss",
         {Row(1, "a"), Row(2, "b", false, true, "-0.10\u00b0"), Row(3, "c"), Row(4, "d"), Row(5, "e")},
         {"1,6-1,6"},
         0,
         0},
        {"a miss and the receiver's",
         {Row(1, "a"), Row(2, "b"), Row(3, "C", false, true, "-0.10\u00b0"), Row(4, "d"), Row(5, "e")},
         {"2,3-2,6"},
         0,
         0},
        {"fewer rows", {Row(1, "a"), Row(2, "x")}, {"1,3-1,3"}, 0, 3},
        {"more rows",
         {Row(1, "a"), Row(2, "b"), Row(3, "c"), Row(4, "d"), Row(5, "e"), Row(6, "f")},
         {},
         1,
         0},
        {"none", {}, {}, 0, 5},
    };
    for (const auto& c : cases) {
        MissTableModel model;
        model.SetRows(start);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.SetRows(c.next);
        EXPECT_EQ(Changes(changed), c.changes) << c.name;
        EXPECT_EQ(inserted.isEmpty() ? 0 : inserted[0][2].toInt() - inserted[0][1].toInt() + 1, c.inserted)
            << c.name;
        EXPECT_EQ(removed.isEmpty() ? 0 : removed[0][2].toInt() - removed[0][1].toInt() + 1, c.removed)
            << c.name;
        // Whatever was reported, the model shows the new rows.
        ASSERT_EQ(model.rowCount(), static_cast<int>(c.next.size())) << c.name;
        for (int r = 0; r < model.rowCount(); ++r) {
            const MissRow& want = c.next[static_cast<std::size_t>(r)];
            EXPECT_EQ(model.index(r, 3).data().toString().toStdString(), want.miss) << c.name << " row " << r;
            EXPECT_EQ(model.index(r, 1).data().toString().toStdString(), want.name) << c.name << " row " << r;
            EXPECT_EQ(model.index(r, 0).data(Qt::FontRole).value<QFont>().bold(), want.worst)
                << c.name << " row " << r;
            EXPECT_EQ(model.index(r, 2).data(Qt::ForegroundRole).isValid(), !want.Reachable())
                << c.name << " row " << r;
        }
    }
}

TEST(MissTableModel, NamesLeftNumbersRightAndHeadings)
{
    MissTableModel model;
    model.SetRows({Row(1, "a")});
    for (int column = 0; column < MissTableModel::ColumnCount; ++column) {
        const auto align = model.index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_EQ(bool(align & Qt::AlignLeft), column == 1) << column;
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString().toStdString(),
                  MissTableHeadings[column]);
    }
    EXPECT_FALSE(model.index(0, MissTableModel::ColumnCount).isValid());
}

// Out of reach, up or not: greyed, and the row says why when pointed at.
TEST(MissTableModel, RowsOutOfReachAreGreyedAndSayWhy)
{
    MissRow behind = Row(1, "a"), past = Row(2, "b"), below = Row(3, "c", false, false), free = Row(4, "d");
    behind.hiddenBy = HiddenBy::Horizon;
    past.hiddenBy = HiddenBy::Motor;
    MissTableModel model;
    model.SetRows({behind, past, below, free});
    const struct {
        int row;
        const char* says;
    } cases[] = {{0, "Hidden by the horizon"}, {1, "Beyond the motor's limit"}, {2, "Below the horizon"}};
    for (const auto& c : cases) {
        for (int column : {0, 3}) {
            EXPECT_TRUE(model.index(c.row, column).data(Qt::ForegroundRole).isValid()) << c.row;
            EXPECT_TRUE(model.index(c.row, column)
                            .data(Qt::ToolTipRole)
                            .toString()
                            .startsWith(QString::fromUtf8(c.says)))
                << c.row;
        }
    }
    EXPECT_FALSE(model.index(3, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model.index(3, 0).data(Qt::ToolTipRole).isValid());

    // Hidden by a change of the mask alone: the row's look changes whole.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    free.hiddenBy = HiddenBy::Horizon;
    model.SetRows({behind, past, below, free});
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].value<QModelIndex>().column(), 0);
    EXPECT_EQ(changed[0][1].value<QModelIndex>().column(), MissTableModel::ColumnCount - 1);
}

TEST(MissTableModel, HeadingsSayWhatEachColumnMeans)
{
    MissTableModel model;
    const struct {
        int column;
        const char* says;
    } cases[] = {
        {0, "orbital position"},
        {1, "name"},
        {2, "rotation of the motor from its zero that points the beam at this satellite"},
        {3, "above means the satellite lies above the beam"},
        {4, "how high the satellite stands above the horizon"},
        {MissTableModel::ReceiverColumn, "receiver"},
        {MissTableModel::ReceiverMissColumn, "less the receiver's"},
    };
    for (const auto& c : cases) {
        const QString tip = model.headerData(c.column, Qt::Horizontal, Qt::ToolTipRole).toString();
        EXPECT_TRUE(tip.contains(QString::fromUtf8(c.says), Qt::CaseInsensitive))
            << c.column << ": " << tip.toStdString();
    }
    EXPECT_FALSE(model.headerData(MissTableModel::ColumnCount, Qt::Horizontal, Qt::ToolTipRole).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());
}

}  // namespace
}  // namespace zenbelts
