#include "funds/record_replies.h"

#include <algorithm>
#include <limits>

#include "api/gbk_text.h"
#include "api/text_to_int.h"

namespace verdomo {
namespace {

constexpr std::size_t kPageFields = 3;
constexpr std::size_t kPagedRecordFields = 6;
constexpr std::size_t kWithdrawalFields = 6;
constexpr std::size_t kRechargeFields = 5;

// Every record of `reply` split at `recordSeparator` whose fields, split at `fieldSeparator`,
// are at least `minFields`.
std::vector<std::vector<GbkText>> recordsOf(std::string_view reply,
                                            std::string_view recordSeparator,
                                            std::string_view fieldSeparator,
                                            std::size_t minFields) {
  std::vector<std::vector<GbkText>> records;
  for (const std::string_view record : splitFieldViews(reply, recordSeparator)) {
    std::vector<GbkText> fields = splitFields(record, fieldSeparator);
    if (fields.size() >= minFields) records.push_back(std::move(fields));
  }
  return records;
}

}  // namespace

std::optional<RecordPage> parseRecordPage(std::string_view reply) {
  std::vector<GbkText> fields = splitFields(reply, "|");
  if (fields.size() < kPageFields) return std::nullopt;
  const int count = textToInt(fields[0]);
  if (count < 1) return std::nullopt;
  RecordPage page{std::move(fields[0]), std::move(fields[1]), pageTotal(count), {}};
  for (auto& r : recordsOf(fields[2], "#c+", "#c-", kPagedRecordFields)) {
    page.records.push_back({std::move(r[0]), std::move(r[1]), std::move(r[2]), std::move(r[3]),
                            std::move(r[4]), std::move(r[5])});
  }
  return page;
}

int pageTotal(long long count) {
  if (count <= 0) return 0;
  const long long pages = (count + kRecordsPerPage - 1) / kRecordsPerPage;
  return static_cast<int>(std::min<long long>(pages, std::numeric_limits<int>::max()));
}

PageLabel readPageLabel(std::string_view label) {
  GbkText totalText = textAfterLast(label, "/");
  const int total = textToInt(totalText);
  return {textToInt(textBefore(label, "/")), std::move(totalText), total};
}

std::vector<WithdrawalRecord> withdrawalRecords(std::string_view reply) {
  std::vector<WithdrawalRecord> records;
  for (auto& f : recordsOf(reply, ",", "|", kWithdrawalFields)) {
    records.push_back(
        {std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3]), std::move(f[4])});
  }
  return records;
}

std::vector<RechargeRecord> rechargeRecords(std::string_view reply) {
  std::vector<RechargeRecord> records;
  for (auto& f : recordsOf(reply, "|", ",", kRechargeFields)) {
    records.push_back({std::move(f[0]), std::move(f[1]), std::move(f[3]), std::move(f[4])});
  }
  return records;
}

}  // namespace verdomo
