#pragma once
#include <string>

// What the calculator shows its numbers on: the drop-down edit's value.
class TCalculatorDisplay {
public:
    virtual ~TCalculatorDisplay() = default;
    virtual std::string Text() const = 0;
    // Through the value writer, which formats numbers with the edit's decimals.
    virtual void SetText(const std::string& Value) = 0;
    virtual void Show(long double Value) = 0;
    // The value as the edit reads it; 0 for a text that is no number.
    virtual double Number() const = 0;
    virtual int MaxLength() const = 0;
    virtual void MarkModified() = 0;
};

// The keypad's function codes.
enum TCalculatorKey {
    ckAdd = 10,
    ckSubtract = 11,
    ckMultiply = 12,
    ckDivide = 13,
    ckSign = 14,
    ckPoint = 15,
    ckClear = 16,
    ckEquals = 17,
    ckPercent = 18,
    ckOn = 30,
    ckBack = 31,
    ckClearEntry = 32,
    ckMemoryClear = 33,
    ckMemoryRecall = 34,
    ckMemoryStore = 35,
    ckMemoryAdd = 36,
    ckSquareRoot = 37,
    ckReciprocal = 38
};

// A pocket calculator with one pending operation, percent, square root, reciprocal, sign
// change, a memory register, backspace and clear, working on a display. Digits are keys 0-9.
class TCalculator {
public:
    explicit TCalculator(TCalculatorDisplay& Display) : FDisplay(Display) {}

    // A keypad key by its function code.
    void Key(int Code);
    // Applies the pending operation to the display and shows the result.
    void Calculate();
    void Equals();
    void Percent();
    // Display 0, accumulator 0, no pending operation.
    void Clear();
    // The operation of "+", "-", "*" or "/": the pending one is applied first.
    void Operation(char Op);
    // A new opening starts a new number, keeping the accumulator, operation and memory.
    void StartEntry();

    bool NewValue() const { return FNewval; }
    void SetNewValue(bool Value) { FNewval = Value; }
    int PendingOperation() const { return FPrevop; }
    void SetPendingOperation(int Value) { FPrevop = Value; }
    long double Accumulator() const { return FPrevval; }
    long double Memory() const { return FMVal; }

private:
    // The display as a number, thousand separators removed; 0 when it is no number.
    long double DisplayNumber() const;
    void Digit(int Value);
    void Point();
    void ToggleSign();
    void Back();
    void EmptyOrErrorBecomesZero();

    TCalculatorDisplay& FDisplay;
    int FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    long double FMVal = 0;
};
