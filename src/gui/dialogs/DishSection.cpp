#include "dialogs/DishSection.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace zenbelts {

namespace {

// The offset an offset dish starts from: the makers' most common figure.
constexpr int CommonOffsetTenths = 250;

QString TenthsText(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QChar(0x00B0);
}

}  // namespace

CDishSection::CDishSection(QWidget* parent)
    : QGroupBox(tr("Dish"), parent), kind_(new QComboBox(this)), offset_(new QLineEdit(this)),
      feed_(new QComboBox(this))
{
    kind_->addItems({tr("Prime focus"), tr("Offset")});
    feed_->addItems({tr("Below the dish"), tr("Above the dish")});
    kind_->setObjectName(QStringLiteral("dishKind"));
    offset_->setObjectName(QStringLiteral("dishOffset"));
    feed_->setObjectName(QStringLiteral("feedArm"));
    offset_->setToolTip(tr("The maker's offset angle: how far the beam rises above the normal of the rim, "
                           "1 to 45 degrees"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Kind:"), kind_);
    form->addRow(tr("Offset &angle:"), offset_);
    form->addRow(tr("&Feed arm:"), feed_);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        if (kind_->currentIndex() == 1 && !ReadOffset(offset_->text()))
            offset_->setText(TenthsText(CommonOffsetTenths));
        Follow();
    });
    connect(offset_, &QLineEdit::editingFinished, this, &CDishSection::Reformat);
}

std::optional<int> CDishSection::ReadOffset(const QString& typed)
{
    QString text = typed.trimmed();
    text.remove(QChar(0x00B0));
    text = text.trimmed();
    bool ok = false;
    double degrees = QLocale().toDouble(text, &ok);
    if (!ok)
        degrees = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(degrees))
        return std::nullopt;
    const long tenths = std::lround(degrees * 10.0);
    if (tenths < 1 || tenths > DishOffsetMax)
        return std::nullopt;
    return static_cast<int>(tenths);
}

void CDishSection::Load(const MountSettings& s)
{
    loaded_ = s.dishOffset;
    kind_->setCurrentIndex(s.dishOffset > 0 ? 1 : 0);
    offset_->setText(TenthsText(s.dishOffset > 0 ? s.dishOffset : CommonOffsetTenths));
    feed_->setCurrentIndex(s.feedUp != 0 ? 1 : 0);
    Follow();
}

void CDishSection::Store(MountSettings& s) const
{
    if (kind_->currentIndex() == 0) {
        s.dishOffset = 0;
        s.feedUp = 0;
        return;
    }
    s.dishOffset = ReadOffset(offset_->text()).value_or(loaded_ > 0 ? loaded_ : CommonOffsetTenths);
    s.feedUp = feed_->currentIndex();
}

void CDishSection::Follow()
{
    const bool offset = kind_->currentIndex() == 1;
    offset_->setEnabled(offset);
    feed_->setEnabled(offset);
}

void CDishSection::Reformat()
{
    if (const std::optional<int> tenths = ReadOffset(offset_->text()))
        offset_->setText(TenthsText(*tenths));
}

}  // namespace zenbelts
