#pragma once

#include <QVariant>

namespace platform {

// Anything the automation registry can create or find running.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // The value of the object itself when it is read as a value.
    virtual QVariant defaultProperty() const = 0;
    // Counts as running from its creation until it quits.
    virtual bool isRunning() const = 0;
};

} // namespace platform
