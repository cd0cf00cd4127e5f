#pragma once
// Regular expressions with the semantics the client's patterns were written for: matching is
// case-insensitive, multi-line and global; "." matches anything but a line feed (a carriage
// return included); lazy quantifiers work; "[0-9]" means ASCII digits only. One object per
// thread, reused for every match on it.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/gbk_codec.h"

namespace verdomo {

class RegexMatcher {
 public:
  RegexMatcher();
  ~RegexMatcher();
  RegexMatcher(const RegexMatcher&) = delete;
  RegexMatcher& operator=(const RegexMatcher&) = delete;

  // Finds all non-overlapping matches of `pattern` in `text`, left to right, and keeps them in
  // place of the previous result. Returns their count; a pattern that does not compile finds none.
  int execute(std::string_view gbkPattern, std::string_view gbkText);

  // The text of match k (from 1); empty when there is no such match.
  GbkText matchText(int k) const;

  // The text of capture group j (from 1) of match k (from 1); empty when there is none.
  GbkText subMatchText(int k, int j) const;

 private:
  struct Match {
    GbkText text;
    std::vector<GbkText> groups;
  };
  struct CompiledPattern;
  std::unique_ptr<CompiledPattern> compiled_;
  std::vector<Match> matches_;
};

}  // namespace verdomo
