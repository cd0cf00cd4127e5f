#include "api/regex_matcher.h"
