#pragma once

#include "platform/clipboard/Clipboard.h"

#include <stdexcept>

namespace testing {

// An in-memory clipboard that counts fetches; can be told to fail them.
class FakeClipboard final : public platform::Clipboard {
public:
    void setPicture(const platform::Picture& picture) override { current = picture; }
    platform::Picture picture() override {
        ++fetches;
        if (failFetches)
            throw std::runtime_error("clipboard busy");
        return current;
    }

    platform::Picture current;
    bool failFetches = false;
    int fetches = 0;
};

} // namespace testing
