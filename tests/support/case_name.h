#pragma once
// Names the cases of a parameterised test after their `name` member, so that a failure says
// which row of the table failed.

#include <gtest/gtest.h>

#include <string>

namespace verdomo::test {

template <typename Case>
std::string caseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

}  // namespace verdomo::test
