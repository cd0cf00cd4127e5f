// The platform's reply forms and the splitting under them: splitting and joining give the reply
// back, no piece holds its delimiter, and every form agrees with the splitting it is built on.
#include "api/gbk_text.h"
#include "api/reply_forms.h"
#include "fuzz_support.h"

using namespace verdomo;
using namespace verdomo::fuzz;

namespace {

void checkSplitting(std::string_view text, std::string_view delimiter) {
  const std::vector<GbkText> pieces = splitFields(text, delimiter);
  const std::vector<std::string_view> views = splitFieldViews(text, delimiter);
  FUZZ_REQUIRE(pieces.size() == views.size());
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    FUZZ_REQUIRE(pieces[i] == views[i]);
    // Pieces start and end on character boundaries, so a delimiter found inside one would have
    // been a delimiter of the whole text.
    FUZZ_REQUIRE(findText(pieces[i], delimiter) == kNotFound);
  }
  // The piece after the last delimiter counts only when it is not empty.
  const std::string joined = joinPieces(pieces, delimiter);
  FUZZ_REQUIRE(joined == text || joined + std::string(delimiter) == text);
  if (!text.empty()) FUZZ_REQUIRE(!pieces.empty());
}

void checkForms(std::string_view reply) {
  const StatusReply status = parseStatusReply(reply);
  FUZZ_REQUIRE(status.succeeded() == (!reply.empty() && (reply == "1" || reply.starts_with("1|"))));
  FUZZ_REQUIRE(status.field(status.fields.size()).empty());

  const GbkText refusal = refusalMessage(reply);
  FUZZ_REQUIRE(refusal.size() <= reply.size());
  if (findText(reply, "0|") == kNotFound) FUZZ_REQUIRE(refusal == reply);

  for (const Spaces spaces : {Spaces::Keep, Spaces::Remove}) {
    for (const std::size_t minFields : {std::size_t{1}, std::size_t{5}}) {
      for (const Record& record : parseRecordList(reply, minFields, spaces)) {
        FUZZ_REQUIRE(record.size() >= minFields);
        for (const GbkText& field : record) {
          FUZZ_REQUIRE(findText(field, "#c+") == kNotFound);
          FUZZ_REQUIRE(findText(field, "#c-") == kNotFound);
          if (spaces == Spaces::Remove) FUZZ_REQUIRE(removeAllSpaces(field) == field);
        }
      }
    }
  }
  const auto fields = parseFieldList(reply, 3);
  FUZZ_REQUIRE(fields.has_value() == (splitFields(reply, "|").size() >= 3));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply = bytesOf(data, size);
  for (const std::string_view delimiter : {"|", "#c+", "#c-", ",", "\r\n"}) {
    checkSplitting(reply, delimiter);
  }
  checkForms(reply);
  const GbkText noSpaces = removeAllSpaces(reply);
  FUZZ_REQUIRE(findText(noSpaces, " ") == kNotFound);
  FUZZ_REQUIRE(findText(noSpaces, "\xA1\xA1") == kNotFound);
  return 0;
}
