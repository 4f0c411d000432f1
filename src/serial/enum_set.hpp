#pragma once

#include <cstdint>
#include <initializer_list>

namespace vezu::serial {

// A set of the first Count members of an enumeration, one bit per ordinal.
template <typename Enum, unsigned Count> class EnumSet {
    static_assert(Count <= 32);

public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Enum> members) {
        for (Enum member : members)
            insert(member);
    }

    static constexpr EnumSet all() {
        EnumSet set;
        set.bits_ = Count == 32 ? ~0u : (1u << Count) - 1;
        return set;
    }

    constexpr bool contains(Enum member) const { return (bits_ & bit(member)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr void insert(Enum member) { bits_ |= bit(member); }
    constexpr void erase(Enum member) { bits_ &= ~bit(member); }

    friend constexpr bool operator==(EnumSet, EnumSet) = default;

private:
    static constexpr std::uint32_t bit(Enum member) { return 1u << static_cast<unsigned>(member); }

    std::uint32_t bits_ = 0;
};

} // namespace vezu::serial
