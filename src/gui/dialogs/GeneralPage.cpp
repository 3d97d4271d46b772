#include "dialogs/GeneralPage.h"

#include "controls/AdjustmentTexts.h"
#include "controls/DialogUnits.h"
#include "controls/NumericEdit.h"
#include "dialogs/DishSection.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace zenbelts {

namespace {

// The page's measures in dialog units, as it was first drawn: what the
// controls prefer at the template font. The layouts grow them with the font
// and with longer texts.
constexpr int Margin = 5;
constexpr int GroupIndent = 10;      // the rows from a group's edge
constexpr int CaptionWidth = 35;     // "Latitude:", "Pole N/S"
constexpr int CoordinateWidth = 40;  // degrees, minutes, altitude
constexpr int HemisphereWidth = 35;
constexpr int CoordinateHeight = 12;
constexpr int LimitWidth = 45;
constexpr int LimitHeight = 14;
constexpr int FromWidth = 17;
constexpr int ToWidth = 10;
constexpr int MarkWidth = 15;  // "(*)"

}  // namespace

CGeneralPage::CGeneralPage(QWidget* parent) : QWidget(parent)
{
    setFont(TemplateFont());

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

    struct Sized {
        QWidget* widget;
        int width, height;  // dialog units
    };
    std::vector<Sized> sized;
    const auto label = [&](QGridLayout* grid, const QString& text, int row, int column) {
        auto* l = new QLabel(text, this);
        grid->addWidget(l, row, column, Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    const auto place
        = [&](QGridLayout* grid, QWidget* w, int row, int column, const char* name, int width, int height) {
              grid->addWidget(w, row, column, Qt::AlignLeft | Qt::AlignVCenter);
              w->setObjectName(QString::fromLatin1(name));
              sized.push_back({w, width, height});
          };
    // Degrees, minutes and hemisphere of one coordinate, in the template's tab order.
    const auto coordinate
        = [&](const QString& caption, int row, const char* name, const char* first, const char* second,
              CDegreesEdit*& degrees, CMinutesEdit*& minutes, QComboBox*& hemisphere) {
              label(locationGrid, caption, row, 0);
              degrees = new CDegreesEdit(this);
              place(locationGrid, degrees, row, 1, (std::string(name) + "Degrees").c_str(), CoordinateWidth,
                    CoordinateHeight);
              minutes = new CMinutesEdit(this);
              place(locationGrid, minutes, row, 2, (std::string(name) + "Minutes").c_str(), CoordinateWidth,
                    CoordinateHeight);
              hemisphere = new QComboBox(this);
              hemisphere->addItems({QString::fromLatin1(first), QString::fromLatin1(second)});
              place(locationGrid, hemisphere, row, 3, first[0] == 'S' ? "northSouth" : "eastWest",
                    HemisphereWidth, CoordinateHeight);
          };
    coordinate(tr("Latitude:"), 0, "latitude", "S", "N", latitudeDegrees_, latitudeMinutes_, northSouth_);
    coordinate(tr("Longitude:"), 1, "longitude", "W", "E", longitudeDegrees_, longitudeMinutes_, eastWest_);

    label(locationGrid, tr("Altitude (m):"), 2, 0);
    altitude_ = new CIntegerEdit(this);
    altitude_->SetDigitsOnly(true);
    place(locationGrid, altitude_, 2, 1, "altitude", CoordinateWidth, CoordinateHeight);
    locationGrid->setColumnStretch(4, 1);

    for (int i = 0; i < 6; ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        label(limitsGrid, AdjustmentText(a.shortTitle), i, 0);
        label(limitsGrid, tr("from:"), i, 1);
        label(limitsGrid, tr("to:"), i, 3);
        const auto makeEdit = [&]() -> CNumericEdit* {
            if (a.positive == 'N')
                return new CNorthSouthEdit(this);
            return new CEastWestEdit(this);
        };
        LimitRow& row = limits_[i];
        row.lower = makeEdit();
        place(limitsGrid, row.lower, i, 2, a.minName, LimitWidth, LimitHeight);
        row.upper = makeEdit();
        place(limitsGrid, row.upper, i, 4, a.maxName, LimitWidth, LimitHeight);
        if (a.automatic)
            label(limitsGrid, QStringLiteral("(*)"), i, 5);
        connect(row.lower, &CNumericEdit::committed, this, [this, i] { KeepOrder(limits_[i], true); });
        connect(row.upper, &CNumericEdit::committed, this, [this, i] { KeepOrder(limits_[i], false); });
    }
    limitsGrid->addWidget(new QLabel(tr("(*) - relative to autocalculated values"), this), 7, 0, 1, 6,
                          Qt::AlignLeft | Qt::AlignVCenter);
    limitsGrid->setColumnStretch(6, 1);

    // Every size in dialog units, again whenever the font changes.
    new FontFollower(this, [this, page, location, locationGrid, limitsGrid, sized] {
        const DialogUnits du(font());
        page->setContentsMargins(du.X(Margin), du.Y(Margin), du.X(Margin), du.Y(Margin));
        page->setSpacing(du.Y(Margin));
        for (QGridLayout* grid : {locationGrid, limitsGrid}) {
            // The group's frame already stands between its edge and the grid.
            grid->setContentsMargins(std::max(0, du.X(GroupIndent) - location->contentsMargins().left()),
                                     du.Y(2), du.X(Margin), du.Y(Margin));
            grid->setVerticalSpacing(du.Y(1));
            grid->setColumnMinimumWidth(0, du.X(CaptionWidth));
        }
        locationGrid->setHorizontalSpacing(du.X(5));
        limitsGrid->setHorizontalSpacing(du.X(3));
        limitsGrid->setColumnMinimumWidth(0, du.X(CaptionWidth + 2));
        limitsGrid->setColumnMinimumWidth(1, du.X(FromWidth));
        limitsGrid->setColumnMinimumWidth(3, du.X(ToWidth));
        limitsGrid->setColumnMinimumWidth(5, du.X(MarkWidth));
        // A gap above the note as under the last row of the template.
        limitsGrid->setRowMinimumHeight(6, du.Y(4));
        for (const Sized& s : sized)
            s.widget->setMinimumSize(du.X(s.width), du.Y(s.height));
    });
}

void CGeneralPage::OnInitDialog()
{
    const MountSettings& s = *m_pSettings;
    latitudeDegrees_->SetRange(0, 90);
    latitudeDegrees_->SetPosition(std::abs(s.latitude) / 60);
    latitudeMinutes_->SetRange(0, 59);
    latitudeMinutes_->SetPosition(std::abs(s.latitude) % 60);
    longitudeDegrees_->SetRange(0, 180);
    longitudeDegrees_->SetPosition(std::abs(s.longitude) / 60);
    longitudeMinutes_->SetRange(0, 59);
    longitudeMinutes_->SetPosition(std::abs(s.longitude) % 60);
    for (CNumericEdit* edit :
         {static_cast<CNumericEdit*>(latitudeDegrees_), static_cast<CNumericEdit*>(latitudeMinutes_),
          static_cast<CNumericEdit*>(longitudeDegrees_), static_cast<CNumericEdit*>(longitudeMinutes_)})
        edit->Reformat();
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
        row.lower->Reformat();
        row.upper->Reformat();
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

void CGeneralPage::OnOK()
{
    MountSettings& s = *m_pSettings;
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
