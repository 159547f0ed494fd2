// A test program can start copies of itself that each do one job and exit (several processes
// sharing a file or a mutex). main runs the job named by the first argument instead of the tests.
#pragma once

#include <string>

#include "framework/KernelHandle.h"

namespace ChildMode {

// argv holds the job's own arguments (after its name); the result is the exit code.
using Job = int (*)(int argc, char **argv);

struct Registration {
    Registration(const char *name, Job job);
};

// When argv[1] names a registered job, runs it and gives its exit code.
bool Run(int argc, char **argv, int &exitCode);

// Starts this program running job with the arguments (a command line tail); an invalid handle on
// failure.
KernelHandle Start(const std::string &job, const std::string &arguments);

}
