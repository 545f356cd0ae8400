// SPDX-License-Identifier: GPL-3.0-or-later
// pistework-balance: the computer against itself at two strengths; see --help.

#include "Balance.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return pistework::balance::Run(args, std::cout, std::cerr);
}
