#include "sim/platform/catalogue_data.h"

#include <random>

namespace verdomo::sim {
namespace {

using namespace verdomo::literals;

const char* const kServices[] = {
    "悦读小说",   "快拼优选", "云途出行",   "乐享外卖",   "星空直播",   "青柠视频", "麦田社区",
    "橙子招聘",   "小鹿分期", "灵鹊跑腿",   "团团买菜",   "易点租车",   "海豚音乐", "趣玩游戏",
    "飞鱼浏览器", "拾光相册", "好物优选",   "白鲸网盘",   "极速清理",   "红柚短剧", "墨香阅读",
    "云朵邮箱",   "蓝鲸打车", "小熊记账",   "葵花课堂",   "绿洲健身",   "鲸鱼旅行", "万象地图",
    "石榴社交",   "森林漫画", "火箭快递",   "晴天天气",   "米粒商城",   "柚子医生", "豆豆宠物",
    "旧物二手",   "星辰理财", "小蜜蜂家政", "锦鲤红包",   "甜橙相机",   "松果阅读", "火花直播",
    "银杏学堂",   "海星购物", "微光社区",   "猫头鹰翻译", "稻草人农场", "冰川资讯", "风铃众包",
    "椰子旅游",   "柠檬聊天", "熊猫租房",   "北极星招聘", "黑马外卖",   "金豆商城", "秒到快运",
    "乐途骑行",   "一点停车", "晨曦健康",   "知更快递"};

const char* const kOperations[] = {"注册", "登录", "找回密码", "绑定手机", "实名认证"};

const char* const kSendOperations[] = {"上行注册", "上行解绑", "上行验证"};

const Cents kPrices[] = {30, 50, 50, 80, 100, 100, 120, 150};

}  // namespace

std::vector<Project> buildCatalogue() {
  std::mt19937 random(20260101);  // the same catalogue whatever the simulator's seed
  std::uniform_int_distribution<std::size_t> anyPrice(0, std::size(kPrices) - 1);
  std::uniform_int_distribution<int> cards(40, 900);
  std::uniform_int_distribution<int> style(0, 3);
  std::uniform_int_distribution<int> serviceDigits(0, 9999);

  std::vector<Project> projects;
  int id = kFirstReceiveProject;
  for (const char* service : kServices) {
    const Cents base = kPrices[anyPrice(random)];
    const int serviceStyle = style(random);
    for (const char* operation : kOperations) {
      Project project;
      project.id = id++;
      project.shortName = utf8ToGbk(service);
      project.name = project.shortName + utf8ToGbk(operation);
      project.price = base + (project.id % 5 == 4 ? 20 : 0);  // identity checks cost a little more
      project.cardsOnline = cards(random);
      project.smsStyle = serviceStyle;
      projects.push_back(std::move(project));
    }
  }

  id = kFirstSendProject;
  for (int i = 0; i < 30; ++i) {
    Project project;
    project.id = id++;
    project.sends = true;
    project.shortName = utf8ToGbk(kServices[i * 2 % std::size(kServices)]) +
                        utf8ToGbk(kSendOperations[i % std::size(kSendOperations)]);
    if (i == 0) {
      project.serviceNumbers = {"10690", "10691"};
    } else {
      const int count = 1 + i % 3;
      for (int n = 0; n < count; ++n)
        project.serviceNumbers.push_back("10690" + std::to_string(1000 + serviceDigits(random)));
    }
    GbkText numbers;
    for (const std::string& number : project.serviceNumbers)
      numbers += (numbers.empty() ? "" : "#") + number;
    project.name = project.shortName + "(发送号码:"_gbk + numbers + ")";
    project.price = kPrices[anyPrice(random)] + 50;
    project.cardsOnline = cards(random);
    projects.push_back(std::move(project));
  }
  return projects;
}

}  // namespace verdomo::sim
