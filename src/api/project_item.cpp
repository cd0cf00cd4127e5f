#include "api/project_item.h"

#include "api/gbk_text.h"
#include "api/text_to_int.h"

namespace verdomo {

ProjectId projectIdOf(std::string_view itemText) {
  GbkText id = textBetween(itemText, "[", "]");
  const int value = textToInt(id);
  return {std::move(id), value};
}

GbkText projectItemText(std::string_view id, std::string_view name, std::string_view price) {
  static const GbkText priceMarker = utf8ToGbk(" - {价格}：");
  GbkText item = "[";
  item.append(id).append("]").append(name).append(priceMarker).append(price);
  return item;
}

}  // namespace verdomo
