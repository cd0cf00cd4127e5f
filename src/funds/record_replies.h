#pragma once
// The replies of the record pages without their windows. The paged views (SMS and referral
// records) answer "count|total|records", the records separated by "#c+" and their fields by "#c-";
// the withdrawal and recharge lists come whole, with "," and "|" in opposite roles.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

inline constexpr long long kRecordsPerPage = 30;

// One record of a paged view: project ID, name, phone, price, SMS text, time.
struct PagedRecord {
  GbkText projectId;
  GbkText name;
  GbkText phone;
  GbkText price;
  GbkText smsText;
  GbkText time;
};

struct RecordPage {
  GbkText count;  // field 1, as received
  GbkText total;  // field 2, as received
  int pageTotal = 0;
  std::vector<PagedRecord> records;  // of six fields or more, in reply order
};

// A good reply has three fields or more and a count (read as atoi reads it) of at least 1.
std::optional<RecordPage> parseRecordPage(std::string_view reply);

// The count divided by the thirty records of a page, rounded up.
int pageTotal(long long count);

// The page label "current/total": the current page is read before the first "/", the total
// after the last one.
struct PageLabel {
  int current = 0;
  GbkText totalText;
  int total = 0;
};
PageLabel readPageLabel(std::string_view label);

struct WithdrawalRecord {
  GbkText name;
  GbkText account;
  GbkText amount;
  GbkText time;
  GbkText result;
};
// Records at ",", fields at "|"; a record needs six fields, of which the first five are shown.
std::vector<WithdrawalRecord> withdrawalRecords(std::string_view reply);

struct RechargeRecord {
  GbkText order;
  GbkText amount;
  GbkText time;
  GbkText result;
};
// Records at "|", fields at ","; a record needs five fields: order, amount, (unused), time,
// result.
std::vector<RechargeRecord> rechargeRecords(std::string_view reply);

}  // namespace verdomo
