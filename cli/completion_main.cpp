// quenvar-completion TEMPLATE OUTPUT: writes the bash completion of
// quenvar-cli, its commands and options filled into TEMPLATE.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/Commands.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Usage: quenvar-completion TEMPLATE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream script;
  script << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary);
  out << quenvar::cli::BashCompletion(script.str());
  return in && out ? 0 : 1;
}
