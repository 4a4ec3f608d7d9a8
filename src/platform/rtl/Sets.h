#pragma once
#include <cstdint>
#include <initializer_list>

// A set of the values of a small enumeration (values 0 to 63), like a Pascal set:
// TSet<TFontStyle>{fsBold, fsItalic}, s.Contains(fsBold), s + fsUnderline, s - fsBold.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E v : values) bits_ |= Bit(v);
    }
    constexpr TSet(E value) : bits_(Bit(value)) {}

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }

    constexpr TSet& operator+=(TSet other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    constexpr TSet& operator-=(TSet other)
    {
        bits_ &= ~other.bits_;
        return *this;
    }
    constexpr TSet& operator*=(TSet other)
    {
        bits_ &= other.bits_;
        return *this;
    }
    friend constexpr TSet operator+(TSet a, TSet b) { return a += b; }
    friend constexpr TSet operator-(TSet a, TSet b) { return a -= b; }
    friend constexpr TSet operator*(TSet a, TSet b) { return a *= b; }
    friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }

private:
    static constexpr uint64_t Bit(E value) { return uint64_t(1) << static_cast<unsigned>(value); }
    uint64_t bits_ = 0;
};
