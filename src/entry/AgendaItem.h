#pragma once

#include <QString>

namespace entry {

// One row of the agenda: its time, topic, details and room.
struct AgendaItem {
    QString time;
    QString topic;
    QString details;
    QString room;

    bool operator==(const AgendaItem&) const = default;
};

} // namespace entry
