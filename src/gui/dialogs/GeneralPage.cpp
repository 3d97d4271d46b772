#include "dialogs/GeneralPage.h"

#include "controls/AdjustmentTexts.h"
#include "controls/Mnemonics.h"
#include "controls/NumericEdit.h"
#include "dialogs/DishSection.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdlib>

namespace zenbelts {

CGeneralPage::CGeneralPage(QWidget* parent) : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    auto* location = new QGroupBox(tr("Location"), this);
    auto* limits = new QGroupBox(tr("Limits"), this);
    auto* locationGrid = new QGridLayout(location);
    auto* limitsGrid = new QGridLayout(limits);
    dish_ = new CDishSection(this);
    page->addWidget(location);
    page->addWidget(limits);
    page->addWidget(dish_);
    page->addStretch(1);

    const auto label
        = [&](QGridLayout* grid, const QString& text, int row, int column, QWidget* buddy = nullptr) {
              auto* l = new QLabel(text, this);
              l->setBuddy(buddy);
              grid->addWidget(l, row, column, Qt::AlignLeading | Qt::AlignVCenter);
              return l;
          };
    const auto place = [&](QGridLayout* grid, QWidget* w, int row, int column, const QString& name) {
        grid->addWidget(w, row, column, Qt::AlignLeading | Qt::AlignVCenter);
        w->setObjectName(name);
    };
    // Degrees, minutes and hemisphere of one coordinate, in tab order.
    const auto coordinate
        = [&](const QString& caption, int row, const QString& name, const char* first, const char* second,
              CDegreesEdit*& degrees, CMinutesEdit*& minutes, QComboBox*& hemisphere) {
              degrees = new CDegreesEdit(this);
              label(locationGrid, caption, row, 0, degrees);
              place(locationGrid, degrees, row, 1, name + QStringLiteral("Degrees"));
              minutes = new CMinutesEdit(this);
              place(locationGrid, minutes, row, 2, name + QStringLiteral("Minutes"));
              hemisphere = new QComboBox(this);
              hemisphere->addItems({QString::fromLatin1(first), QString::fromLatin1(second)});
              place(locationGrid, hemisphere, row, 3,
                    QString::fromLatin1(first[0] == 'S' ? "northSouth" : "eastWest"));
          };
    coordinate(tr("&Latitude:"), 0, QStringLiteral("latitude"), "S", "N", latitudeDegrees_, latitudeMinutes_,
               northSouth_);
    coordinate(tr("L&ongitude:"), 1, QStringLiteral("longitude"), "W", "E", longitudeDegrees_,
               longitudeMinutes_, eastWest_);
    altitude_ = new CIntegerEdit(this);
    altitude_->SetDigitsOnly(true);
    label(locationGrid, tr("Al&titude (m):"), 2, 0, altitude_);
    place(locationGrid, altitude_, 2, 1, QStringLiteral("altitude"));
    locationGrid->setColumnStretch(4, 1);

    // The rows of limits take the first letter of their title that is free.
    QString taken = tr("&Latitude:") + tr("L&ongitude:") + tr("Al&titude (m):");
    for (int i = 0; i < 6; ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        const auto makeEdit = [&]() -> CNumericEdit* {
            if (a.positive == 'N')
                return new CNorthSouthEdit(this);
            return new CEastWestEdit(this);
        };
        LimitRow& row = limits_[i];
        row.lower = makeEdit();
        row.upper = makeEdit();
        label(limitsGrid, WithMnemonic(AdjustmentText(a.shortTitle), taken), i, 0, row.lower);
        label(limitsGrid, tr("from:"), i, 1);
        place(limitsGrid, row.lower, i, 2, QString::fromLatin1(a.minName));
        label(limitsGrid, tr("to:"), i, 3);
        place(limitsGrid, row.upper, i, 4, QString::fromLatin1(a.maxName));
        if (a.automatic)
            label(limitsGrid, QStringLiteral("(*)"), i, 5);
        connect(row.lower, &CNumericEdit::committed, this, [this, i] { KeepOrder(limits_[i], true); });
        connect(row.upper, &CNumericEdit::committed, this, [this, i] { KeepOrder(limits_[i], false); });
    }
    limitsGrid->setRowMinimumHeight(6, fontMetrics().height() / 2);
    limitsGrid->addWidget(new QLabel(tr("(*) - relative to autocalculated values"), this), 7, 0, 1, 6,
                          Qt::AlignLeading | Qt::AlignVCenter);
    limitsGrid->setColumnStretch(6, 1);
}

void CGeneralPage::Load(const MountSettings& s)
{
    latitudeDegrees_->SetRange(0, 90);
    latitudeDegrees_->SetPosition(std::abs(s.latitude) / 60);
    latitudeMinutes_->SetRange(0, 59);
    latitudeMinutes_->SetPosition(std::abs(s.latitude) % 60);
    longitudeDegrees_->SetRange(0, 180);
    longitudeDegrees_->SetPosition(std::abs(s.longitude) / 60);
    longitudeMinutes_->SetRange(0, 59);
    longitudeMinutes_->SetPosition(std::abs(s.longitude) % 60);
    northSouth_->setCurrentIndex(s.latitude > 0 ? 1 : 0);
    eastWest_->setCurrentIndex(s.longitude > 0 ? 1 : 0);
    altitude_->SetRange(-1000, 10000);
    altitude_->SetPosition(s.altitude);
    dish_->Load(s);

    for (std::size_t i = 0; i < limits_.size(); ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        const LimitRow& row = limits_[i];
        // Each upper range is the lower one moved up a tenth; relative limits
        // keep to their own side of the automatic value.
        if (a.automatic) {
            row.lower->SetRange(LimitLowest, -1);
            row.upper->SetRange(1, LimitHighest);
        } else {
            row.lower->SetRange(LimitLowest, LimitHighest - 1);
            row.upper->SetRange(LimitLowest + 1, LimitHighest);
        }
        row.lower->SetPosition(s.*(a.min));
        row.upper->SetPosition(s.*(a.max));
        row.lower->SetHandOver(true);
        row.upper->SetHandOver(true);
    }
}

void CGeneralPage::KeepOrder(const LimitRow& row, bool lowerMoved)
{
    const int lower = row.lower->Position();
    const int upper = row.upper->Position();
    if (lower < upper)
        return;
    if (lowerMoved)
        row.upper->SetPosition(lower + 1);
    else
        row.lower->SetPosition(upper - 1);
}

void CGeneralPage::Store(MountSettings& s)
{
    int latitude = 60 * latitudeDegrees_->Position() + latitudeMinutes_->Position();
    if (latitude > LatitudeMax)
        latitude = LatitudeMax;
    if (northSouth_->currentIndex() == 0)
        latitude = -latitude;
    int longitude = 60 * longitudeDegrees_->Position() + longitudeMinutes_->Position();
    if (longitude > LongitudeMax)
        longitude = LongitudeMax;
    if (eastWest_->currentIndex() == 0)
        longitude = -longitude;
    if (longitude == -LongitudeMax)
        longitude = LongitudeMax;  // 180°00'W is 180°00'E
    s.latitude = latitude;
    s.longitude = longitude;
    s.altitude = altitude_->Position();
    dish_->Store(s);

    for (std::size_t i = 0; i < limits_.size(); ++i) {
        const LimitRow& row = limits_[i];
        // A limit typed and confirmed at once with Enter has not been through
        // the ordering rule yet; the field being typed in wins.
        KeepOrder(row, !row.upper->hasFocus());
        s.*(Adjustments[i].min) = row.lower->Position();
        s.*(Adjustments[i].max) = row.upper->Position();
    }
}

}  // namespace zenbelts
