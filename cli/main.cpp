#include "cli/Commands.h"

int main(int argc, char** argv) { return quenvar::cli::Main(argc, argv); }
