#pragma once

namespace testing {

// File permissions do not bind root. Run as root, this runs the current
// test function (and data row) again in a child process of this test as the
// user "nobody", with a home, runtime, configuration and temporary folder of
// its own, from a copy of the test's program there (the build folder may be
// closed to other users), and checks that it passed; then the caller
// returns at once. Run as any other user it does nothing and returns false:
// the test goes on here.
//
//     if (testing::rerunUnprivileged())
//         return;
bool rerunUnprivileged();

} // namespace testing
