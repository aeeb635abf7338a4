#pragma once

#include "csv.h"

#include <cstdio>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace orbel {

// How every line orbel-lens writes ends: in CRLF on Windows, as its tables'
// lines end everywhere.
#ifdef _WIN32
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

// An open file as a table's source; a read that fails throws
// std::system_error with the system's reason.
CsvReader::Source fileSource(std::FILE* file);

// orbel-lens with its arguments (the program's name left out), standard input
// as a source, standard output and error: what it writes, and its exit
// status (0 all computed, 1 a calculation or row failed, 2 bad usage or a
// table that cannot be read).
int runLensCli(std::span<const std::string> args, const CsvReader::Source& in, std::ostream& out,
               std::ostream& err);

} // namespace orbel
