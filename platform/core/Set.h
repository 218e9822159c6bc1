#pragma once

#include <cstdint>
#include <initializer_list>

namespace qp {

// A set of members of an enumeration with at most 32 values, held as the bit mask that property
// streams store (bit i set = the member of ordinal i is in the set).
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members)
      bits_ |= Bit(member);
  }

  static constexpr TSet FromMask(std::uint32_t mask) {
    TSet set;
    set.bits_ = mask;
    return set;
  }
  constexpr std::uint32_t Mask() const { return bits_; }

  constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E member) {
    bits_ |= Bit(member);
    return *this;
  }
  constexpr TSet& Exclude(E member) {
    bits_ &= ~Bit(member);
    return *this;
  }

  friend constexpr bool operator==(TSet, TSet) = default;
  friend constexpr TSet operator|(TSet a, TSet b) { return FromMask(a.bits_ | b.bits_); }
  friend constexpr TSet operator&(TSet a, TSet b) { return FromMask(a.bits_ & b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromMask(a.bits_ & ~b.bits_); }

 private:
  static constexpr std::uint32_t Bit(E member) {
    return std::uint32_t{1} << static_cast<unsigned>(member);
  }
  std::uint32_t bits_ = 0;
};

}  // namespace qp
