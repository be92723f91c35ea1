// SPDX-License-Identifier: GPL-3.0-or-later
// main() of the test program: `txtests tst_link [QtTest options]` runs the test class of tst_link.cpp
// in this process and no other, so each keeps the process-wide state (the application, the settings'
// folder, the environment) to itself. Without a name it lists the tests.

#include "testregistry.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
std::map<std::string, txtest::Run> &tests()
{
    static std::map<std::string, txtest::Run>
        registry; // filled by static initialisers, so built on first use
    return registry;
}

std::string testName(const char *source)
{
    std::string name = source;
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}
} // namespace

bool txtest::add(const char *source, Run run)
{
    tests()[testName(source)] = run;
    return true;
}

int main(int argc, char **argv)
{
    const auto test = argc > 1 ? tests().find(argv[1]) : tests().end();
    if (test == tests().end()) {
        std::fprintf(stderr, "usage: %s TEST [QtTest options]\nTEST is one of:\n", argv[0]);
        for (const auto &entry : tests()) std::fprintf(stderr, "  %s\n", entry.first.c_str());
        return argc > 1 ? 2 : 0;
    }
    // The program is named after the test, as when each test was a program of its own: the application's
    // name (and with it the settings' file) comes from argv[0].
    std::string program = argv[0];
    const auto slash = program.rfind('/');
    program = (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) + test->first;
    std::vector<char *> args{program.data()};
    args.insert(args.end(), argv + 2, argv + argc);
    args.push_back(nullptr);
    return test->second(int(args.size()) - 1, args.data());
}
