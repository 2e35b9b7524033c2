#pragma once

#include "platform/clipboard/Clipboard.h"

namespace testing {

// An in-memory clipboard that counts fetches; can be told to fail them.
class FakeClipboard final : public platform::Clipboard {
public:
    void setPicture(const QImage& picture) override { current = picture; }
    QImage picture() override {
        ++fetches;
        return failFetches ? QImage() : current;
    }

    QImage current;
    bool failFetches = false;
    int fetches = 0;
};

} // namespace testing
