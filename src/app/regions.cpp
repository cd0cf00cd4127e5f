#include "app/regions.h"

namespace verdomo {

const std::vector<std::string>& regionNames() {
  static const std::vector<std::string> names = {
      "北京", "上海", "天津", "山东", "福建", "安徽", "宁夏", "湖北",   "河北", "辽宁", "湖南",
      "四川", "山西", "陕西", "江苏", "内蒙", "辽宁", "吉林", "甘肃",   "江西", "河南", "云南",
      "广西", "重庆", "西藏", "海南", "广东", "浙江", "贵州", "黑龙江", "新疆", "澳门", "香港"};
  return names;
}

}  // namespace verdomo
