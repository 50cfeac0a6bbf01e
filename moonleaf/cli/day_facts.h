#pragma once

#include <string>

#include "common/ole_date.h"

namespace moonleaf::cli {

// The column names of `moonleaf dump`, tab-separated, without the line end.
extern const char* const kDumpHeader;

// The whole output of `moonleaf dump` for convertible dates from…to: the header, then one
// line per day, each with its LF.
std::string dump_text(common::OleDate from, common::OleDate to);

// The labelled facts of `moonleaf info`, one per line.
std::string info_text(common::OleDate date);

}  // namespace moonleaf::cli
