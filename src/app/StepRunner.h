#pragma once

#include <functional>

namespace app {

// Runs the numbered statements of a procedure. The error trap reports a
// failing statement and goes on; StrictSteps lets the failure propagate.
class StepRunner {
public:
    virtual ~StepRunner() = default;
    // Runs one statement. True when it completed.
    virtual bool step(int line, const std::function<void()>& statement) = 0;
    // Runs a test; when the test itself fails the result is `onFailure`,
    // the branch the test guards.
    virtual bool test(int line, const std::function<bool()>& condition, bool onFailure = true) = 0;
};

// For tools, benchmarks and tests: any failure propagates to the caller.
class StrictSteps final : public StepRunner {
public:
    bool step(int, const std::function<void()>& statement) override {
        statement();
        return true;
    }
    bool test(int, const std::function<bool()>& condition, bool = true) override {
        return condition();
    }
};

} // namespace app
