#pragma once

#include <string>

namespace quenvar {

class ProgressBarView;

// The whole content of a file. A file that cannot be opened or read (missing,
// a folder, no access, a name too long, a loop of links) throws EInOutError
// naming the file and the reason.
// With a progress bar, it shows the bytes read of a regular file (and leaves
// the bar to the caller).
std::string ReadWholeFile(const std::string& path, ProgressBarView* bar = nullptr);

}  // namespace quenvar
