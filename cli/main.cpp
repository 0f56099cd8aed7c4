// zuzivodi-cli: limits, fits and gauges from the command line; the logic is in kelvo_cli_lib.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    // The batch reads its input character by character: unsynchronised streams are buffered.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kelvo::cli::RunCli(arguments, std::cin, std::cout, std::cerr);
}
