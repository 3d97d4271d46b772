#pragma once

#include <QAbstractSpinBox>

#include <string>
#include <string_view>

namespace zenbelts {

// A field that shows one integer in its display format (12.5°N, 45°, 07')
// together with arrows that step it within a range, like an edit with its
// up-down buddy. The user may type anything; the position changes only
// through the arrows, the program, or a typed value inside the range when it
// is handed over (Enter, leaving the field, or a read of the position).
class CNumericEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CNumericEdit(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // Set by the program: shown in display form at once.
    void SetPosition(int position);
    // The position, after taking over the typed text when it reads inside the range.
    int Position() const;

    // Shows the typed text in its canonical display form.
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

    virtual std::string FormatValue(int value) const = 0;
    virtual int ParseText(std::string_view text, std::size_t* end) const = 0;

signals:
    // A movement is over: an arrow click or key moved the position, or the
    // field was left or handed over. Once per movement.
    void committed();
    void returnPressed();

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Variants show their initial 0 once their format is in place.
    void ShowPosition();

private:
    bool TakeOverText() const;
    void ShowText(const QString& text) const;

    int minimum_ = 0, maximum_ = 100;
    mutable int position_ = 0;
    bool handOver_ = false;
    bool digitsOnly_ = false;
};

class CIntegerEdit : public CNumericEdit {
    Q_OBJECT
public:
    explicit CIntegerEdit(QWidget* parent = nullptr);
    std::string FormatValue(int value) const override;
    int ParseText(std::string_view text, std::size_t* end) const override;
};

class CUnsignedEdit : public CNumericEdit {
    Q_OBJECT
public:
    using CNumericEdit::CNumericEdit;
    std::string FormatValue(int value) const override;
    int ParseText(std::string_view text, std::size_t* end) const override;
};

class CDegreesEdit : public CUnsignedEdit {
    Q_OBJECT
public:
    explicit CDegreesEdit(QWidget* parent = nullptr);
    std::string FormatValue(int value) const override;
};

class CMinutesEdit : public CUnsignedEdit {
    Q_OBJECT
public:
    explicit CMinutesEdit(QWidget* parent = nullptr);
    std::string FormatValue(int value) const override;
};

class CTenthsEdit : public CNumericEdit {
    Q_OBJECT
public:
    using CNumericEdit::CNumericEdit;
};

class CNorthSouthEdit : public CTenthsEdit {
    Q_OBJECT
public:
    explicit CNorthSouthEdit(QWidget* parent = nullptr);
    std::string FormatValue(int value) const override;
    int ParseText(std::string_view text, std::size_t* end) const override;
};

class CEastWestEdit : public CTenthsEdit {
    Q_OBJECT
public:
    explicit CEastWestEdit(QWidget* parent = nullptr);
    std::string FormatValue(int value) const override;
    int ParseText(std::string_view text, std::size_t* end) const override;
};

}  // namespace zenbelts
