// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A modal dialog that opens while no test has said it will answer one fails that test at once
// and is closed, so a test never sits in a box until ctest's limit.

#include <QDialog>

#include <gtest/gtest.h>

namespace drive {

// While one lives, modal dialogs may open: the test answers them itself.
class ExpectDialogs {
public:
    ExpectDialogs() { ++Count(); }
    ~ExpectDialogs() { --Count(); }
    ExpectDialogs(const ExpectDialogs&) = delete;
    ExpectDialogs& operator=(const ExpectDialogs&) = delete;
    static bool Any() { return Count() > 0; }

private:
    static int& Count() {
        static int expected = 0;
        return expected;
    }
};

} // namespace drive
