#include "dialogs/GeneralPage.h"

#include "controls/DialogUnits.h"
#include "controls/NumericEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include <cstdlib>

namespace zenbelts {

namespace {

constexpr const char* RowLabels[6] = {"Pole N/S", "Pole E/W", "Motor Az", "Motor Elv", "Dish Az", "Dish Decl"};
constexpr int RowTop[6] = {80, 95, 110, 125, 140, 155};

}  // namespace

CGeneralPage::CGeneralPage(QWidget* parent) : QWidget(parent)
{
    setFont(TemplateFont());
    const DialogUnits du(font());
    setFixedSize(du.X(212), du.Y(201));

    auto* location = new QGroupBox(tr("Location"), this);
    location->setGeometry(du.Rect(5, 5, 200, 55));
    auto* limits = new QGroupBox(tr("Limits"), this);
    limits->setGeometry(du.Rect(5, 65, 200, 130));

    const auto label = [&](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(du.Rect(x, y, w, 10));
        return l;
    };
    const auto place = [&](QWidget* w, int x, int y, int width, int height, const char* name) {
        w->setGeometry(du.Rect(x, y, width, height));
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    // Degrees, minutes and hemisphere of one coordinate, in the template's tab order.
    const auto coordinate = [&](const QString& caption, int y, const char* name, const char* first,
                                const char* second, CDegreesEdit*& degrees, CMinutesEdit*& minutes,
                                QComboBox*& hemisphere) {
        label(caption, 15, y, 40);
        degrees = new CDegreesEdit(this);
        place(degrees, 55, y, 40, 12, (std::string(name) + "Degrees").c_str());
        minutes = new CMinutesEdit(this);
        place(minutes, 100, y, 40, 12, (std::string(name) + "Minutes").c_str());
        hemisphere = new QComboBox(this);
        hemisphere->addItems({QString::fromLatin1(first), QString::fromLatin1(second)});
        place(hemisphere, 145, y, 35, 12, first[0] == 'S' ? "northSouth" : "eastWest");
    };
    coordinate(tr("Latitude:"), 17, "latitude", "S", "N", latitudeDegrees_, latitudeMinutes_, northSouth_);
    coordinate(tr("Longitude:"), 30, "longitude", "W", "E", longitudeDegrees_, longitudeMinutes_, eastWest_);

    label(tr("Altitude (m):"), 15, 43, 40);
    altitude_ = new CIntegerEdit(this);
    altitude_->SetDigitsOnly(true);
    place(altitude_, 55, 43, 40, 12, "altitude");

    for (int i = 0; i < 6; ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        const int y = RowTop[i];
        label(tr(RowLabels[i]), 15, y, 40);
        label(tr("from:"), 55, y, 20);
        label(tr("to:"), 125, y, 11);
        const auto makeEdit = [&]() -> CNumericEdit* {
            if (a.positive == 'N')
                return new CNorthSouthEdit(this);
            return new CEastWestEdit(this);
        };
        LimitRow& row = limits_[i];
        row.lower = makeEdit();
        row.lower->setGeometry(du.Rect(75, y, 45, 14));
        row.lower->setObjectName(QString::fromLatin1(a.minName));
        row.upper = makeEdit();
        row.upper->setGeometry(du.Rect(136, y, 44, 14));
        row.upper->setObjectName(QString::fromLatin1(a.maxName));
        if (a.automatic)
            label(QStringLiteral("(*)"), 185, y, 15);
        connect(row.lower, &CNumericEdit::scrolled, this, [this, i] { KeepOrder(limits_[i], true); });
        connect(row.upper, &CNumericEdit::scrolled, this, [this, i] { KeepOrder(limits_[i], false); });
    }
    label(tr("(*) - relative to autocalculated values"), 15, 175, 180);
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
    for (CNumericEdit* edit : {static_cast<CNumericEdit*>(latitudeDegrees_), static_cast<CNumericEdit*>(latitudeMinutes_),
                               static_cast<CNumericEdit*>(longitudeDegrees_), static_cast<CNumericEdit*>(longitudeMinutes_)})
        edit->Reformat();
    northSouth_->setCurrentIndex(s.latitude > 0 ? 1 : 0);
    eastWest_->setCurrentIndex(s.longitude > 0 ? 1 : 0);
    altitude_->SetRange(-1000, 10000);
    altitude_->SetPosition(s.altitude);

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
