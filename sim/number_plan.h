#pragma once
// The phone numbers of the simulated card suppliers and the number segments they belong to.
// The platform's number pool and the segment service both read it, so the province the segment
// service names for a taken number is the one the take filter chose it by.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo::sim {

enum class Carrier { Mobile = 1, Unicom = 2, Telecom = 3 };  // the take filter's operator values
enum class CardKind { Virtual = 1, Real = 2 };               // the take filter's card values

struct Segment {
  std::string mts;  // the first seven digits
  GbkText province;
  Carrier carrier;
  CardKind card;
  std::string areaVid;
  std::string ispVid;
};

struct PoolNumber {
  std::string phone;  // eleven digits
  std::size_t segment;
  GbkText supplier;  // the card supplier that offers it
};

class NumberPlan {
 public:
  // Three numbers in each of the segments of 30 provinces × 3 carriers × 2 card kinds. Hong Kong
  // and Macao, which the client offers as regions, have none.
  explicit NumberPlan(std::uint32_t seed);

  const std::vector<Segment>& segments() const { return segments_; }
  const std::vector<PoolNumber>& numbers() const { return numbers_; }
  const Segment& segmentOf(const PoolNumber& number) const { return segments_[number.segment]; }
  // The segment of a phone number's first seven digits, or null.
  const Segment* findSegment(std::string_view phone) const;
  const PoolNumber* findNumber(std::string_view phone) const;
  const std::vector<GbkText>& suppliers() const { return suppliers_; }

 private:
  std::vector<Segment> segments_;
  std::vector<PoolNumber> numbers_;
  std::vector<GbkText> suppliers_;
  std::unordered_map<std::string, std::size_t> segmentByMts_;
  std::unordered_map<std::string, std::size_t> numberByPhone_;
};

GbkText carrierName(Carrier carrier);       // "中国移动"
GbkText carrierShortName(Carrier carrier);  // "移动"

}  // namespace verdomo::sim
