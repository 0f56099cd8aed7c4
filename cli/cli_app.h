#pragma once
// The whole command-line tool as a function of its arguments and streams, so that tests run it
// in-process. main.cpp only passes argv and the standard streams.

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvo::cli {

inline constexpr const char* kProgramName = "zuzivodi-cli";

// Runs the tool for the arguments after the program name and returns the exit code:
// 0 success, 2 bad arguments or input, 1 a fault of the program.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace kelvo::cli
