#pragma once

// Holds a variable at a value for a scope and gives the old value back, also on an exception.
template <typename T> class TValueHold {
public:
    TValueHold(T& Variable, T Value) : variable_(Variable), saved_(Variable) { variable_ = Value; }
    ~TValueHold() { variable_ = saved_; }
    TValueHold(const TValueHold&) = delete;
    TValueHold& operator=(const TValueHold&) = delete;

private:
    T& variable_;
    T saved_;
};
