// The parsers of the platform's lists and replies: the catalogue, the favourites, the take
// replies and searches, the record pages, the dockings, the balance and the QR reply. The first
// byte chooses the parser; each must hold to what its rows promise the windows.
#include "api/gbk_text.h"
#include "api/project_item.h"
#include "api/reply_forms.h"
#include "docking/docking_record.h"
#include "funds/funds_rules.h"
#include "funds/qr_recharge.h"
#include "funds/record_replies.h"
#include "fuzz_support.h"
#include "projects/favourite_lists.h"
#include "projects/project_catalogue.h"
#include "receive/number_take.h"
#include "send/send_take.h"
#include "update/update_check.h"

using namespace verdomo;
using namespace verdomo::fuzz;
using namespace verdomo::literals;

namespace {

void checkCatalogue(std::string_view reply) {
  for (const ProjectRecord& row : catalogueRows(reply)) {
    FUZZ_REQUIRE(row.kind == "发短信"_gbk || row.kind == "收短信"_gbk);
    FUZZ_REQUIRE(row.favourite.empty() || row.favourite == "√"_gbk);
    FUZZ_REQUIRE(removeAllSpaces(row.id + row.name + row.price) == row.id + row.name + row.price);
  }
  for (const ProjectRecord& row : favouriteRows(reply))
    FUZZ_REQUIRE(row.favourite == "√"_gbk);
}

void checkFavourites(std::string_view reply) {
  for (const GbkText& item : receiveFavouriteItems(reply)) {
    FUZZ_REQUIRE(item.starts_with("[") || item == noReceiveFavouritesItem());
  }
  const SendProjects send = sendFavourites(reply);
  for (const GbkText& item : send.items)
    (void)sendItemKey(item);
  for (const GbkText& number : senderNumbers(send.projectLines)) {
    FUZZ_REQUIRE(findText(number, "#") == kNotFound);
  }
  for (const GbkText& number : senderNumbers(reply, "1"))
    FUZZ_REQUIRE(findText(number, "#") == kNotFound);
}

void checkTake(std::string_view reply) {
  const TakeReply take = parseTakeReply(reply);
  if (take.kind == TakeReply::Kind::kNumber) {
    FUZZ_REQUIRE(reply.starts_with("1|") && !take.phone.empty());
    FUZZ_REQUIRE(reply.substr(2).starts_with(take.phone));
  }
  if (take.kind == TakeReply::Kind::kRefused) FUZZ_REQUIRE(take.message == refusalMessage(reply));
  const SendTakeReply sendTake = parseSendTakeReply(reply);
  if (sendTake.kind == SendTakeReply::Kind::kNumber) FUZZ_REQUIRE(reply.starts_with("1|"));
  FUZZ_REQUIRE(!receiveSearchItems(reply).empty());
  const SendProjects send = sendSearchProjects(reply);
  FUZZ_REQUIRE(send.items.size() <= parseRecordList(reply, 5, Spaces::Remove).size());
  for (const GbkText& item : send.items)
    FUZZ_REQUIRE(item.starts_with("["));
  const ProjectId id = projectIdOf(reply);
  FUZZ_REQUIRE(id.text.size() <= reply.size());
  if (const auto takeable = takeableProjectId(reply)) FUZZ_REQUIRE(*takeable == id.text);
}

void checkRecords(std::string_view reply) {
  if (const auto page = parseRecordPage(reply)) {
    FUZZ_REQUIRE(page->pageTotal >= 1);
    FUZZ_REQUIRE(splitFields(reply, "|").size() >= 3);
  }
  const PageLabel label = readPageLabel(reply);
  (void)label;
  for (const WithdrawalRecord& record : withdrawalRecords(reply)) {
    FUZZ_REQUIRE(
        findText(record.name + record.account + record.amount + record.time + record.result, ",") ==
        kNotFound);
  }
  for (const RechargeRecord& record : rechargeRecords(reply)) {
    FUZZ_REQUIRE(findText(record.order + record.amount + record.time + record.result, "|") ==
                 kNotFound);
  }
}

void checkDockings(std::string_view reply) {
  for (const DockingRecord& record : dockingRecords(reply)) {
    FUZZ_REQUIRE(record.kind == "发短信"_gbk || record.kind == "收短信"_gbk);
    FUZZ_REQUIRE(findText(record.name, "(发送"_gbk) == kNotFound);
  }
  const GbkText trimmed = trimSpaces(reply);
  FUZZ_REQUIRE(trimmed.size() <= reply.size());
  FUZZ_REQUIRE(trimSpaces(trimmed) == trimmed);
  FUZZ_REQUIRE(dockingCodeAccepted(reply) == (reply.size() >= 13));
}

void checkFunds(std::string_view reply) {
  if (const auto balance = balanceOf(reply)) FUZZ_REQUIRE(splitFields(reply, "|").size() >= 2);
  const std::vector<std::string> pieces = splitAtErrorMarker(reply);
  const QrReply qr = qrReplyOf(reply);
  FUZZ_REQUIRE(qr.refusal.has_value() == (pieces.size() >= 2));
  if (!qr.refusal) FUZZ_REQUIRE(qr.picture == reply);
  const std::string_view marker = "\xFF\x7B\xE7";
  const std::string joined = joinPieces(pieces, marker);
  FUZZ_REQUIRE(joined == reply || joined + std::string(marker) == reply);
  (void)amountAtLeastTenYuan(reply);
  (void)publishedVersionDiffers(reply, "1.6");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Choice choice = chooseFrom(bytesOf(data, size));
  switch (choice.selector % 6) {
    case 0:
      checkCatalogue(choice.rest);
      break;
    case 1:
      checkFavourites(choice.rest);
      break;
    case 2:
      checkTake(choice.rest);
      break;
    case 3:
      checkRecords(choice.rest);
      break;
    case 4:
      checkDockings(choice.rest);
      break;
    default:
      checkFunds(choice.rest);
      break;
  }
  return 0;
}
