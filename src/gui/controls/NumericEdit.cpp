#include "controls/NumericEdit.h"

#include "text/NumericText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zenbelts {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CNumericEdit::CNumericEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setKeyboardTracking(false);
    setAccelerated(false);
    setWrapping(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QString CNumericEdit::DisplayedText() const
{
    return lineEdit()->text();
}

void CNumericEdit::ShowText(const QString& text) const
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void CNumericEdit::ShowPosition()
{
    ShowText(FromUtf8(FormatValue(position_)));
}

void CNumericEdit::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
}

void CNumericEdit::SetPosition(int position)
{
    // As an up-down: a position outside the range is pulled inside.
    position_ = std::min(std::max(position, minimum_), maximum_);
    ShowPosition();
}

bool CNumericEdit::TakeOverText() const
{
    const std::string text = lineEdit()->text().left(127).toStdString();
    std::size_t end = 0;
    const int value = ParseText(text, &end);
    if (value < minimum_ || value > maximum_)
        return false;
    position_ = value;
    return true;
}

int CNumericEdit::Position() const
{
    TakeOverText();
    return position_;
}

void CNumericEdit::Reformat()
{
    const std::string text = lineEdit()->text().left(127).toStdString();
    std::size_t end = 0;
    ShowText(FromUtf8(FormatValue(ParseText(text, &end))));
}

bool CNumericEdit::HasPendingText() const
{
    return lineEdit()->text() != FromUtf8(FormatValue(position_));
}

void CNumericEdit::HandOverText()
{
    Reformat();
    emit committed();
}

void CNumericEdit::stepBy(int steps)
{
    TakeOverText();
    const long long next = static_cast<long long>(position_) + steps;
    position_ = static_cast<int>(std::min<long long>(std::max<long long>(next, minimum_), maximum_));
    ShowPosition();
    lineEdit()->selectAll();
    emit committed();
}

QAbstractSpinBox::StepEnabled CNumericEdit::stepEnabled() const
{
    if (!isEnabled() || isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (position_ < maximum_)
        enabled |= StepUpEnabled;
    if (position_ > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State CNumericEdit::validate(QString& input, int&) const
{
    if (digitsOnly_) {
        for (QChar c : input) {
            if (!c.isDigit())
                return QValidator::Invalid;
        }
    }
    return QValidator::Acceptable;
}

void CNumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Reformat();
        emit returnPressed();
        // Not swallowed: a dialog's default button still sees it.
        event->ignore();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void CNumericEdit::focusOutEvent(QFocusEvent* event)
{
    // A menu or the field's own context menu opening: the user is still here.
    if (event->reason() == Qt::PopupFocusReason) {
        QAbstractSpinBox::focusOutEvent(event);
        return;
    }
    Reformat();
    if (handOver_) {
        // A value inside the range is taken over; otherwise the last one shows again.
        TakeOverText();
        ShowPosition();
        emit committed();
    }
    QAbstractSpinBox::focusOutEvent(event);
}

CIntegerEdit::CIntegerEdit(QWidget* parent) : CNumericEdit(parent)
{
    ShowPosition();
}

std::string CIntegerEdit::FormatValue(int value) const
{
    return numeric::FormatInteger(value);
}

int CIntegerEdit::ParseText(std::string_view text, std::size_t* end) const
{
    return numeric::ParseInteger(text, end);
}

std::string CUnsignedEdit::FormatValue(int value) const
{
    return numeric::FormatUnsigned(value);
}

int CUnsignedEdit::ParseText(std::string_view text, std::size_t* end) const
{
    return numeric::ParseUnsigned(text, end);
}

CDegreesEdit::CDegreesEdit(QWidget* parent) : CUnsignedEdit(parent)
{
    ShowPosition();
}

std::string CDegreesEdit::FormatValue(int value) const
{
    return numeric::FormatDegrees(value);
}

CMinutesEdit::CMinutesEdit(QWidget* parent) : CUnsignedEdit(parent)
{
    ShowPosition();
}

std::string CMinutesEdit::FormatValue(int value) const
{
    return numeric::FormatMinutes(value);
}

CNorthSouthEdit::CNorthSouthEdit(QWidget* parent) : CTenthsEdit(parent)
{
    ShowPosition();
}

std::string CNorthSouthEdit::FormatValue(int value) const
{
    return numeric::FormatNorthSouth(value);
}

int CNorthSouthEdit::ParseText(std::string_view text, std::size_t* end) const
{
    return numeric::ParseNorthSouth(text, end);
}

CEastWestEdit::CEastWestEdit(QWidget* parent) : CTenthsEdit(parent)
{
    ShowPosition();
}

std::string CEastWestEdit::FormatValue(int value) const
{
    return numeric::FormatEastWest(value);
}

int CEastWestEdit::ParseText(std::string_view text, std::size_t* end) const
{
    return numeric::ParseEastWest(text, end);
}

}  // namespace zenbelts
