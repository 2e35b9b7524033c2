#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace word::io {

// Collects entries in the order they are added and deflates them into one
// zip archive in memory.
class ZipWriter {
public:
    void add(const QString& name, QByteArray content);
    // The finished archive; throws platform::RuntimeError on failure.
    QByteArray finish() const;

private:
    std::vector<std::pair<QString, QByteArray>> m_entries;
};

} // namespace word::io
