#pragma once

#include "text/NumericText.h"

#include <QAbstractSpinBox>

class QAction;

namespace zenbelts {

// A spin box for one integer in its display format (12.5°N, 45°, 07'). The
// user may type anything; the value changes only through the arrows, the
// program, or a typed text that reads inside the range when it is handed
// over (Enter, leaving the field, or a read of the position). A number reads
// with the user's decimal separator as well as with a point.
//
// Where the text was not taken as typed, a mark on the field says so and
// why: a text read differently from what was typed (no number reads as 0, a
// trailing word is dropped), or a value beyond the range, which stays typed
// until the field is left and is then replaced by the value kept.
class CNumericEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CNumericEdit(numeric::FieldFormat format, QWidget* parent = nullptr);

    numeric::FieldFormat Format() const { return format_; }
    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // Set by the program: shown in display form at once, any mark gone.
    void SetPosition(int position);
    // The position, after taking over the typed text when it reads inside the range.
    int Position() const;

    // Shows the typed text in its canonical display form, marked where it
    // was not taken as typed.
    void Reformat();
    // Whether leaving the field hands the typed value over.
    void SetHandOver(bool on) { handOver_ = on; }
    // Typed text that does not show the position yet.
    bool HasPendingText() const;
    // What Enter does, for a command that must not miss the typed value:
    // the text shows in display form, then the end of the movement.
    void HandOverText();
    // Digits only, as the altitude field: negative values are reached with the arrows.
    void SetDigitsOnly(bool on) { digitsOnly_ = on; }

    QString DisplayedText() const;
    // What the mark says; empty while there is none.
    QString Note() const;

    QString FormatValue(int value) const;
    // Wide enough for the widest value of its kind and the mark, in any font.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as this field reads it, in the user's language.
    numeric::FieldReading Read(const QString& text) const;

signals:
    // A movement is over: an arrow click or key moved the position, or the
    // field was left or handed over. Once per movement.
    void committed();
    void returnPressed();
    // The typed text was not taken as typed: what the mark now says.
    void readingNoted(const QString& note);

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool TakeOverText() const;
    void ShowText(const QString& text) const;
    void ShowPosition();
    void SetNote(const QString& note);

    numeric::FieldFormat format_;
    int minimum_ = 0, maximum_ = 100;
    mutable int position_ = 0;
    bool handOver_ = false;
    bool digitsOnly_ = false;
    QAction* mark_;
};

// The field kinds by their display format.
class CIntegerEdit : public CNumericEdit {
    Q_OBJECT
public:
    explicit CIntegerEdit(QWidget* parent = nullptr) : CNumericEdit(numeric::FieldFormat::Integer, parent) {}
};

class CUnsignedEdit : public CNumericEdit {
    Q_OBJECT
public:
    explicit CUnsignedEdit(QWidget* parent = nullptr) : CNumericEdit(numeric::FieldFormat::Unsigned, parent)
    {}

protected:
    using CNumericEdit::CNumericEdit;
};

class CDegreesEdit : public CUnsignedEdit {
    Q_OBJECT
public:
    explicit CDegreesEdit(QWidget* parent = nullptr) : CUnsignedEdit(numeric::FieldFormat::Degrees, parent) {}
};

class CMinutesEdit : public CUnsignedEdit {
    Q_OBJECT
public:
    explicit CMinutesEdit(QWidget* parent = nullptr) : CUnsignedEdit(numeric::FieldFormat::Minutes, parent) {}
};

// Tenths of a degree with hemisphere letters.
class CTenthsEdit : public CNumericEdit {
    Q_OBJECT
protected:
    using CNumericEdit::CNumericEdit;
};

class CNorthSouthEdit : public CTenthsEdit {
    Q_OBJECT
public:
    explicit CNorthSouthEdit(QWidget* parent = nullptr)
        : CTenthsEdit(numeric::FieldFormat::NorthSouth, parent)
    {}
};

class CEastWestEdit : public CTenthsEdit {
    Q_OBJECT
public:
    explicit CEastWestEdit(QWidget* parent = nullptr) : CTenthsEdit(numeric::FieldFormat::EastWest, parent) {}
};

}  // namespace zenbelts
