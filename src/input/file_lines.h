#pragma once

// Reading a file line by line through a LineSplitter, in large blocks.

#include <string>
#include <system_error>

#include "input/line_splitter.h"

namespace lexicount {

// Opens the file read-only (never a folder, FIFO or device) and feeds it
// whole to the splitter. Returns the error that stopped it, or none.
std::error_code SplitFile(const std::string& path, LineSplitter& splitter);

}  // namespace lexicount
