#pragma once

#include <string>

#include "common/ole_date.h"

namespace moonleaf::cli {

// The column names of `moonleaf dump`, tab-separated, without the line end.
extern const char* const kDumpHeader;

// One line of `moonleaf dump` for a convertible date, with its LF.
std::string dump_line(common::OleDate date);

// The labelled facts of `moonleaf info`, one per line.
std::string info_text(common::OleDate date);

}  // namespace moonleaf::cli
