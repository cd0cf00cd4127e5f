// Regular expressions on PCRE2. Pattern and text are matched as UTF-8, so that "." takes a
// double-byte character whole and an ASCII pattern never matches the trail byte of one; the
// results are then cut from the caller's GBK text, byte for byte.
#include "api/regex_matcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace verdomo {
namespace {

// The dialect the client's patterns were written for: always case-insensitive and multi-line.
// The ECMAScript-like details: "\uhhhh" and "\xhh" escapes, "[]" and "[^]" as classes, a
// back-reference to a group that has not matched matches the empty text. No UCP: "\d", "\w"
// and "[0-9]" stay ASCII. "\C" could cut a character in two, so it is refused.
constexpr std::uint32_t kCompileOptions = PCRE2_UTF | PCRE2_CASELESS | PCRE2_MULTILINE |
                                          PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                                          PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_BACKSLASH_C;

constexpr std::size_t kNoOffset = std::numeric_limits<std::size_t>::max();

std::size_t utf8Length(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The text being matched, in both encodings, with the way back from a UTF-8 offset to the
// GBK offset of the same character.
class Subject {
 public:
  explicit Subject(std::string_view gbk) : gbk_(gbk), utf8_(gbkToUtf8(gbk)) {}

  const std::string& utf8() const { return utf8_; }

  // The original GBK bytes of the UTF-8 range [from, to).
  GbkText slice(std::size_t from, std::size_t to) {
    if (to < from) return {};
    if (!mapped_) buildOffsetMap();
    const std::size_t gbkFrom = gbkOffsets_[from];
    const std::size_t gbkTo = gbkOffsets_[to];
    if (gbkFrom == kNoOffset || gbkTo == kNoOffset) {
      return utf8ToGbk(std::string_view(utf8_).substr(from, to - from));
    }
    return GbkText(gbk_.substr(gbkFrom, gbkTo - gbkFrom));
  }

 private:
  // Every GBK unit becomes exactly one character; should the two walks ever disagree, the map
  // stays empty and slices are converted back instead.
  void buildOffsetMap() {
    mapped_ = true;
    gbkOffsets_.assign(utf8_.size() + 1, kNoOffset);
    std::size_t gbkPosition = 0;
    std::size_t utf8Position = 0;
    while (gbkPosition < gbk_.size() && utf8Position < utf8_.size()) {
      gbkOffsets_[utf8Position] = gbkPosition;
      gbkPosition += gbkUnitLength(gbk_, gbkPosition);
      utf8Position += utf8Length(static_cast<unsigned char>(utf8_[utf8Position]));
    }
    if (gbkPosition == gbk_.size() && utf8Position == utf8_.size()) {
      gbkOffsets_[utf8Position] = gbkPosition;
    } else {
      gbkOffsets_.assign(utf8_.size() + 1, kNoOffset);
    }
  }

  std::string_view gbk_;
  std::string utf8_;
  bool mapped_ = false;
  std::vector<std::size_t> gbkOffsets_;
};

}  // namespace

// The last pattern compiled; the poll worker runs the same pattern over and over.
struct RegexMatcher::CompiledPattern {
  explicit CompiledPattern(std::string_view gbk) : gbkPattern(gbk) {
    const std::string utf8 = gbkToUtf8(gbk);
    pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
    if (context == nullptr) return;
    // A line feed alone ends a line, so "." still matches a carriage return.
    pcre2_set_newline(context, PCRE2_NEWLINE_LF);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(), kCompileOptions,
                         &errorCode, &errorOffset, context);
    pcre2_compile_context_free(context);
    if (code == nullptr) return;
    matchData = pcre2_match_data_create_from_pattern(code, nullptr);
    std::uint32_t count = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &count);
    groupCount = count;
  }
  ~CompiledPattern() {
    pcre2_match_data_free(matchData);
    pcre2_code_free(code);
  }
  CompiledPattern(const CompiledPattern&) = delete;
  CompiledPattern& operator=(const CompiledPattern&) = delete;

  bool usable() const { return code != nullptr && matchData != nullptr; }

  GbkText gbkPattern;
  pcre2_code* code = nullptr;
  pcre2_match_data* matchData = nullptr;
  std::uint32_t groupCount = 0;
};

RegexMatcher::RegexMatcher() = default;
RegexMatcher::~RegexMatcher() = default;

int RegexMatcher::execute(std::string_view gbkPattern, std::string_view gbkText) {
  matches_.clear();
  if (!compiled_ || compiled_->gbkPattern != gbkPattern) {
    compiled_.reset();
    compiled_ = std::make_unique<CompiledPattern>(gbkPattern);
  }
  if (!compiled_->usable()) return 0;

  Subject subject(gbkText);
  const std::string& utf8 = subject.utf8();
  const auto* data = reinterpret_cast<PCRE2_SPTR>(utf8.data());
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(compiled_->matchData);
  std::uint32_t options = 0;
  std::size_t offset = 0;
  while (offset <= utf8.size()) {
    // Anything below zero ends the search: no further match, or a limit was hit, in which
    // case the matches found so far stand.
    const int result = pcre2_match(compiled_->code, data, utf8.size(), offset, options,
                                   compiled_->matchData, nullptr);
    if (result < 0) break;
    options = PCRE2_NO_UTF_CHECK;  // checked once on the first call

    const std::size_t start = ovector[0];
    const std::size_t end = ovector[1];
    Match match{subject.slice(start, end), {}};
    match.groups.reserve(compiled_->groupCount);
    for (std::uint32_t group = 1; group <= compiled_->groupCount; ++group) {
      const std::size_t groupStart = ovector[2 * group];
      const std::size_t groupEnd = ovector[2 * group + 1];
      match.groups.push_back(groupStart == PCRE2_UNSET ? GbkText()
                                                       : subject.slice(groupStart, groupEnd));
    }
    matches_.push_back(std::move(match));

    // After an empty match the search goes on one character further, as the script engine's
    // global search does (not at the same place with a non-empty match).
    offset = end;
    if (end == start) {
      if (end >= utf8.size()) break;
      offset += utf8Length(static_cast<unsigned char>(utf8[end]));
    }
  }
  return static_cast<int>(matches_.size());
}

GbkText RegexMatcher::matchText(int k) const {
  if (k < 1 || static_cast<std::size_t>(k) > matches_.size()) return {};
  return matches_[static_cast<std::size_t>(k) - 1].text;
}

GbkText RegexMatcher::subMatchText(int k, int j) const {
  if (k < 1 || static_cast<std::size_t>(k) > matches_.size() || j < 1) return {};
  const std::vector<GbkText>& groups = matches_[static_cast<std::size_t>(k) - 1].groups;
  if (static_cast<std::size_t>(j) > groups.size()) return {};
  return groups[static_cast<std::size_t>(j) - 1];
}

}  // namespace verdomo
