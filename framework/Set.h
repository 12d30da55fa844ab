#pragma once
// A set of enumeration values, as stored properties and style flags use them.
#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <typename E>
    requires std::is_enum_v<E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E value : values)
            Include(value);
    }
    static constexpr TSet FromBits(std::uint64_t bits)
    {
        TSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr TSet& Include(E value)
    {
        bits_ |= Bit(value);
        return *this;
    }
    constexpr TSet& Exclude(E value)
    {
        bits_ &= ~Bit(value);
        return *this;
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint64_t Bits() const { return bits_; }

    constexpr TSet operator+(TSet other) const { return FromBits(bits_ | other.bits_); }
    constexpr TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
    constexpr TSet operator*(TSet other) const { return FromBits(bits_ & other.bits_); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E value) { return std::uint64_t{1} << static_cast<unsigned>(value); }
    std::uint64_t bits_ = 0;
};
