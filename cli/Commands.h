#pragma once

#include <string>
#include <vector>

namespace quenvar::cli {

// Exit statuses of the tool.
enum ExitStatus { kOk = 0, kFileError = 1, kUsage = 2, kInterrupted = 130 };

int RunNumber(const std::vector<std::string>& args);
int RunLottery(const std::vector<std::string>& args);
int RunSample(const std::vector<std::string>& args);
int RunString(const std::vector<std::string>& args);
int RunName(const std::vector<std::string>& args);
int RunFile(const std::vector<std::string>& args);
int Main(int argc, char** argv);

}  // namespace quenvar::cli
