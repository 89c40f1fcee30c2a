#pragma once

#include <string>

namespace quenvar {

// The whole content of a file. A file that cannot be opened or read (missing,
// a folder, no access, a name too long, a loop of links) throws EInOutError
// naming the file and the reason.
std::string ReadWholeFile(const std::string& path);

}  // namespace quenvar
