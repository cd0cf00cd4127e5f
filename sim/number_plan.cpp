#include "sim/number_plan.h"

#include <random>

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

const char* const kProvinces[] = {"北京", "上海", "天津", "山东", "福建",   "安徽", "宁夏", "湖北",
                                  "河北", "辽宁", "湖南", "四川", "山西",   "陕西", "江苏", "内蒙",
                                  "吉林", "甘肃", "江西", "河南", "云南",   "广西", "重庆", "西藏",
                                  "海南", "广东", "浙江", "贵州", "黑龙江", "新疆"};

const char* const kSuppliers[] = {"鑫源通信", "华信卡业", "速达通讯",
                                  "恒通卡商", "联众科技", "星河通信"};

// The first three digits each carrier issues, real cards and virtual ones.
const std::vector<std::string>& prefixes(Carrier carrier, CardKind card) {
  static const std::vector<std::string> mobile{"134", "135", "136", "137", "138", "139", "147",
                                               "150", "151", "152", "157", "158", "159", "178",
                                               "182", "183", "187", "188", "198"};
  static const std::vector<std::string> unicom{"130", "131", "132", "145", "155", "156",
                                               "166", "175", "176", "185", "186"};
  static const std::vector<std::string> telecom{"133", "149", "153", "173", "177",
                                                "180", "181", "189", "191", "199"};
  static const std::vector<std::string> mobileVirtual{"165", "172"};
  static const std::vector<std::string> unicomVirtual{"167", "171"};
  static const std::vector<std::string> telecomVirtual{"162", "170"};
  const bool real = card == CardKind::Real;
  switch (carrier) {
    case Carrier::Mobile:
      return real ? mobile : mobileVirtual;
    case Carrier::Unicom:
      return real ? unicom : unicomVirtual;
    case Carrier::Telecom:
      return real ? telecom : telecomVirtual;
  }
  return mobile;
}

std::string digits(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::string text;
  for (int i = 0; i < count; ++i)
    text.push_back(static_cast<char>('0' + digit(random)));
  return text;
}

}  // namespace

GbkText carrierName(Carrier carrier) {
  switch (carrier) {
    case Carrier::Mobile:
      return "中国移动"_gbk;
    case Carrier::Unicom:
      return "中国联通"_gbk;
    case Carrier::Telecom:
      return "中国电信"_gbk;
  }
  return {};
}

GbkText carrierShortName(Carrier carrier) {
  switch (carrier) {
    case Carrier::Mobile:
      return "移动"_gbk;
    case Carrier::Unicom:
      return "联通"_gbk;
    case Carrier::Telecom:
      return "电信"_gbk;
  }
  return {};
}

NumberPlan::NumberPlan(std::uint32_t seed) {
  std::mt19937 random(seed);
  for (const char* supplier : kSuppliers)
    suppliers_.push_back(utf8ToGbk(supplier));
  std::uniform_int_distribution<std::size_t> anySupplier(0, suppliers_.size() - 1);

  int provinceIndex = 0;
  for (const char* province : kProvinces) {
    ++provinceIndex;
    for (Carrier carrier : {Carrier::Mobile, Carrier::Unicom, Carrier::Telecom}) {
      for (CardKind card : {CardKind::Real, CardKind::Virtual}) {
        const auto& choices = prefixes(carrier, card);
        std::uniform_int_distribution<std::size_t> anyPrefix(0, choices.size() - 1);
        std::string mts;
        do {
          mts = choices[anyPrefix(random)] + digits(random, 4);
        } while (segmentByMts_.count(mts));
        segmentByMts_[mts] = segments_.size();
        segments_.push_back({mts, utf8ToGbk(province), carrier, card,
                             std::to_string(30000 + provinceIndex * 37),
                             std::to_string(3236138 + static_cast<int>(carrier))});
        for (int n = 0; n < 3; ++n) {
          std::string phone;
          do {
            phone = mts + digits(random, 4);
          } while (numberByPhone_.count(phone));
          numberByPhone_[phone] = numbers_.size();
          numbers_.push_back({phone, segments_.size() - 1, suppliers_[anySupplier(random)]});
        }
      }
    }
  }
}

const Segment* NumberPlan::findSegment(std::string_view phone) const {
  if (phone.size() < 7) return nullptr;
  const auto found = segmentByMts_.find(std::string(phone.substr(0, 7)));
  return found == segmentByMts_.end() ? nullptr : &segments_[found->second];
}

const PoolNumber* NumberPlan::findNumber(std::string_view phone) const {
  const auto found = numberByPhone_.find(std::string(phone));
  return found == numberByPhone_.end() ? nullptr : &numbers_[found->second];
}

}  // namespace verdomo::sim
