#include "clients/probe/RequestCases.h"

#include <cstdlib>
#include <map>
#include <sstream>

#include "sdk/TamborelSdk.h"

namespace RequestCases {

namespace {

std::string Unescape(const std::string &text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        const char kind = text[i] == '\\' && i + 1 < text.size() ? text[++i] : '\0';
        if (kind == 'x' && i + 2 < text.size()) {
            plain += static_cast<char>(std::strtoul(text.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            plain += kind == 'n' ? '\n' : kind == 'r' ? '\r' : kind == 't' ? '\t' : kind ? kind : text[i];
        }
    }
    return plain;
}

std::string Substitute(std::string text, const std::map<std::string, std::string> &kept) {
    for (const auto &entry : kept) {
        const std::string mark = "{" + entry.first + "}";
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + entry.second.size()))
            text.replace(at, mark.size(), entry.second);
    }
    return text;
}

}

Outcome Run(TamborelSdk::Client &client, const std::string &cases) {
    Outcome outcome;
    std::map<std::string, std::string> kept;
    std::stringstream lines(cases);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> field;
        std::stringstream fields(line);
        for (std::string text; std::getline(fields, text, '\t');)
            field.push_back(Substitute(Unescape(text), kept));
        field.resize(5);
        const std::string &expected = field[4];
        std::string failure;
        if (!client.Request(static_cast<unsigned>(std::strtoul(field[0].c_str(), nullptr, 16)), field[1], field[2], field[3]))
            failure = "not taken";
        else if (!expected.empty() && expected[0] == '>')
            kept[expected.substr(1)] = client.Answer();
        else if (expected != "*" && client.Answer() != expected)
            failure = "answered \"" + client.Answer() + "\", expected \"" + expected + "\"";
        if (failure.empty())
            ++outcome.passed;
        else
            outcome.failures.push_back("line " + std::to_string(number) + " (" + field[0] + "): " + failure);
    }
    return outcome;
}

}
