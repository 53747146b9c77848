#pragma once

// The three commands of ubaspring. Each returns the process's exit status.

#include "host/command_line.h"

#include <stdexcept>

namespace ubaspring {

// Input the operator got wrong (a file, a value): exit status 2, nothing written.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

int runScore(const Options& options);
int runCheck(const Options& options);
int runSetup(const Options& options);

} // namespace ubaspring
