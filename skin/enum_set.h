// A set of the members of an enumeration, as the skin data's published sets
// are: member i is bit i, and the stored form holds bit i in bit i % 8 of
// byte i / 8, in as few bytes as the members need.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace skin {

template <class Member, int Count>
class EnumSet {
    static_assert(Count > 0 && Count <= 32);

  public:
    static constexpr int kStoredBytes = (Count + 7) / 8;
    using StoredForm = std::array<uint8_t, kStoredBytes>;

    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<Member> members) {
        for (Member m : members)
            Include(m);
    }

    static constexpr EnumSet All() {
        EnumSet s;
        s.bits_ = Count == 32 ? ~uint32_t{0} : (uint32_t{1} << Count) - 1;
        return s;
    }

    constexpr bool Contains(Member m) const { return (bits_ & Bit(m)) != 0; }
    constexpr void Include(Member m) { bits_ |= Bit(m); }
    constexpr void Exclude(Member m) { bits_ &= ~Bit(m); }
    constexpr EnumSet Without(Member m) const {
        EnumSet s = *this;
        s.Exclude(m);
        return s;
    }

    constexpr bool operator==(const EnumSet&) const = default;

    constexpr StoredForm Stored() const {
        StoredForm bytes{};
        for (int i = 0; i < kStoredBytes; ++i)
            bytes[i] = static_cast<uint8_t>(bits_ >> (8 * i));
        return bytes;
    }
    // Bits beyond the last member are not members and are dropped.
    static constexpr EnumSet FromStored(const StoredForm& bytes) {
        EnumSet s;
        for (int i = 0; i < kStoredBytes; ++i)
            s.bits_ |= uint32_t{bytes[i]} << (8 * i);
        s.bits_ &= All().bits_;
        return s;
    }

  private:
    static constexpr uint32_t Bit(Member m) { return uint32_t{1} << static_cast<int>(m); }

    uint32_t bits_ = 0;
};

}  // namespace skin
