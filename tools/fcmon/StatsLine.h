#pragma once

#include "protocol/LinkCounters.h"

#include <string>

// One line of link statistics, tab-separated: the seconds since the
// start, bytes and skipped bytes a second, the bytes skipped so far, and
// the frames a second of each type ("A0/s=107").
std::string statsLine(double seconds, const protocol::LinkRates& rates, uint64_t skippedSoFar);
