#pragma once

#include <cstdint>
#include <initializer_list>

namespace orlivo::zip {

// A set of enumeration members, as the engine's option sets are.
template <typename E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> members) {
        for (E e : members) include(e);
    }
    constexpr bool has(E e) const { return (fBits >> unsigned(e)) & 1u; }
    constexpr void include(E e) { fBits |= std::uint64_t(1) << unsigned(e); }
    constexpr void exclude(E e) { fBits &= ~(std::uint64_t(1) << unsigned(e)); }
    constexpr void clear() { fBits = 0; }
    constexpr bool empty() const { return fBits == 0; }
    constexpr bool operator==(const EnumSet&) const = default;

private:
    std::uint64_t fBits = 0;
};

}  // namespace orlivo::zip
