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

    std::unique_ptr<QMimeData> snapshot() override {
        ++snapshots;
        return platform::Clipboard::snapshot();
    }
    void restore(std::unique_ptr<QMimeData> content) override {
        ++restores;
        platform::Clipboard::restore(std::move(content));
    }

    platform::Picture current;
    int snapshots = 0;
    int restores = 0;
    bool failFetches = false;
    int fetches = 0;
};

} // namespace testing
