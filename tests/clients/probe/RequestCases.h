// Runs a file of request cases through a connected client, in order, and says which failed.
// Lines: the request code in hexadecimal (a name may follow it), parameters 0, 1 and 2, and the
// expected answer, separated by tabs; "#" starts a comment line. The expected answer is the
// exact text, "*" for any, or ">name" to keep the answer for "{name}" in later lines. "\n",
// "\r", "\t", "\\" and "\xHH" are escapes.
#pragma once

#include <string>
#include <vector>

namespace TamborelSdk {
class Client;
}

namespace RequestCases {

struct Outcome {
    int passed = 0;
    std::vector<std::string> failures;
};

Outcome Run(TamborelSdk::Client &client, const std::string &cases);

}
