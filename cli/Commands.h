#pragma once

#include <functional>
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
// Runs one command: every message it ends with goes to standard error as
// "quenvar-cli COMMAND: ...", and nothing escapes uncaught.
int RunCommand(const std::string& command, const std::function<int()>& run);
int Main(int argc, char** argv);
// The bash completion script `script` with its commands (@COMMANDS@), their
// word options (@WORDS@) and the options that take a file (@FILES@) or
// another value (@VALUES@) filled in.
std::string BashCompletion(std::string script);

}  // namespace quenvar::cli
