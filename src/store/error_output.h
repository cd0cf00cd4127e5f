#pragma once
// The error output of the store's operations: set on failure, left alone on success, and
// optional for the caller.

#include <optional>
#include <utility>

#include "platform/gbk_codec.h"

namespace verdomo {

// Sets the error text and gives the failed result.
inline bool fail(GbkText* error, GbkText text) {
  if (error != nullptr) *error = std::move(text);
  return false;
}

// The same for checks that would have given a path.
inline std::nullopt_t refuse(GbkText* error, GbkText text) {
  fail(error, std::move(text));
  return std::nullopt;
}

}  // namespace verdomo
