#include "api/date_time_text.h"
