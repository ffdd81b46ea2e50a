// SPDX-License-Identifier: GPL-3.0-or-later
#include "suites.h"

#include <cstdio>
#include <cstring>
#include <map>

namespace suites {

namespace {

std::map<std::string, Run> &registered()
{
    static std::map<std::string, Run> classes;
    return classes;
}

} // namespace

bool add(const char *name, Run run)
{
    registered().emplace(name, run);
    return true;
}

int run(int argc, char **argv)
{
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = registered().find(argv[1]);
        if (found == registered().end()) {
            std::fprintf(stderr, "No test class %s in this program\n", argv[1]);
            return 1;
        }
        argv[1] = argv[0]; // the class's own options follow its name
        return found->second(argc - 1, argv + 1);
    }
    int failed = 0;
    for (const auto &[name, runClass] : registered())
        failed += runClass(argc, argv);
    return failed;
}

} // namespace suites
