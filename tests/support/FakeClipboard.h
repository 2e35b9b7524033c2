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

    std::unique_ptr<QMimeData> snapshot() override {
        ++snapshots;
        return platform::Clipboard::snapshot();
    }
    void restore(std::unique_ptr<QMimeData> content) override {
        ++restores;
        platform::Clipboard::restore(std::move(content));
    }

    QImage current;
    int snapshots = 0;
    int restores = 0;
    bool failFetches = false;
    int fetches = 0;
};

} // namespace testing
