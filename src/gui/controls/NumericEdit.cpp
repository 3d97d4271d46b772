#include "controls/NumericEdit.h"

#include "document/CoreTexts.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

namespace zenbelts {

CNumericEdit::CNumericEdit(numeric::FieldFormat format, QWidget* parent)
    : QAbstractSpinBox(parent), format_(format), mark_(new QAction(this))
{
    setKeyboardTracking(false);
    setAccelerated(false);
    setWrapping(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    mark_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    // The mark's words on a click as well as on hovering.
    connect(mark_, &QAction::triggered, this, [this] { emit readingNoted(Note()); });
    ShowPosition();
}

QString CNumericEdit::FormatValue(int value) const
{
    return QString::fromStdString(numeric::FormatField(format_, value));
}

numeric::FieldReading CNumericEdit::Read(const QString& text) const
{
    return numeric::ReadField(format_, text.left(127).toStdString(), locale().decimalPoint().toStdString());
}

QSize CNumericEdit::sizeHint() const
{
    // Every kind as wide as the widest angle, whatever the current range:
    // fields keep their width as ranges change, and line up in a form.
    const QFontMetrics metrics(fontMetrics());
    int width = metrics.horizontalAdvance(QString::fromStdString(numeric::FormatEastWest(-1799)))
                + metrics.horizontalAdvance(QLatin1Char('0'));
    // The mark's room, taken whether it shows or not.
    width += metrics.height() + 6;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(width, lineEdit()->sizeHint().height()), this);
}

QSize CNumericEdit::minimumSizeHint() const
{
    return sizeHint();
}

QString CNumericEdit::DisplayedText() const
{
    return lineEdit()->text();
}

QString CNumericEdit::Note() const
{
    return lineEdit()->actions().contains(mark_) ? mark_->toolTip() : QString();
}

void CNumericEdit::SetNote(const QString& note)
{
    mark_->setToolTip(note);
    // In the field only while it has something to say.
    if (note.isEmpty())
        lineEdit()->removeAction(mark_);
    else if (!lineEdit()->actions().contains(mark_))
        lineEdit()->addAction(mark_, QLineEdit::TrailingPosition);
}

void CNumericEdit::ShowText(const QString& text) const
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void CNumericEdit::ShowPosition()
{
    ShowText(FormatValue(position_));
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
    SetNote({});
    ShowPosition();
}

bool CNumericEdit::TakeOverText() const
{
    const numeric::FieldReading r = Read(lineEdit()->text());
    if (r.value < minimum_ || r.value > maximum_)
        return false;
    position_ = r.value;
    return true;
}

int CNumericEdit::Position() const
{
    TakeOverText();
    return position_;
}

void CNumericEdit::Reformat()
{
    const QString typed = lineEdit()->text();
    const numeric::FieldReading r = Read(typed);
    const QString shown = FormatValue(r.value);
    ShowText(shown);
    if (r.value > maximum_ || r.value < minimum_) {
        SetNote(
            tr("Not taken: %1 lies beyond the limit %2")
                .arg(LeftToRight(shown), LeftToRight(FormatValue(r.value > maximum_ ? maximum_ : minimum_))));
    } else if (!r.number || !r.whole) {
        SetNote(tr("\u201c%1\u201d was read as %2").arg(typed.trimmed(), LeftToRight(shown)));
    } else {
        SetNote({});
    }
}

bool CNumericEdit::HasPendingText() const
{
    return lineEdit()->text() != FormatValue(position_);
}

void CNumericEdit::HandOverText()
{
    Reformat();
    emit committed();
    if (!Note().isEmpty())
        emit readingNoted(Note());
}

void CNumericEdit::stepBy(int steps)
{
    TakeOverText();
    const long long next = static_cast<long long>(position_) + steps;
    position_ = static_cast<int>(std::min<long long>(std::max<long long>(next, minimum_), maximum_));
    SetNote({});
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

bool CNumericEdit::event(QEvent* event)
{
    // Undo and Redo belong to the field while it has typing of its own to
    // undo; otherwise they go to the document.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !lineEdit()->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !lineEdit()->isRedoAvailable())) {
            event->ignore();
            return false;
        }
    }
    return QAbstractSpinBox::event(event);
}

void CNumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Reformat();
        emit returnPressed();
        if (!Note().isEmpty())
            emit readingNoted(Note());
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
    const QString note = Note();
    if (handOver_) {
        // A value inside the range is taken over; otherwise the last one shows again.
        if (!TakeOverText())
            SetNote({});
        ShowPosition();
        emit committed();
    }
    QAbstractSpinBox::focusOutEvent(event);
    if (!note.isEmpty())
        emit readingNoted(note);
}

void CNumericEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange)
        mark_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    QAbstractSpinBox::changeEvent(event);
}

}  // namespace zenbelts
