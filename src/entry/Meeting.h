#pragma once

#include "AgendaItem.h"

#include <QList>
#include <QString>

namespace entry {

// A meeting in plain values: the seven texts of the entry window, in its
// order, and the agenda.
struct Meeting {
    QString title, date, caller, attendees, reading, supplies, additional;
    QList<AgendaItem> items;

    bool operator==(const Meeting&) const = default;
};

} // namespace entry
