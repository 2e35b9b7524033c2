#pragma once

#include "AutomationObject.h"
#include "Ref.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Automation classes by programmatic identifier, and the table of running
// instances created through it.
class AutomationRegistry {
public:
    using Factory = std::function<std::shared_ptr<AutomationObject>()>;

    void registerClass(const QString& progId, Factory factory);
    void unregisterClass(const QString& progId);
    bool isRegistered(const QString& progId) const;

    // A new instance; fails when nothing is registered under progId.
    std::shared_ptr<AutomationObject> createObject(const QString& progId);
    // The newest instance of progId that is still running; fails when none is.
    std::shared_ptr<AutomationObject> getObject(const QString& progId);

    template <class T> Ref<T> create(const QString& progId) {
        return Ref<T>(castTo<T>(createObject(progId)));
    }
    template <class T> Ref<T> attach(const QString& progId) {
        return Ref<T>(castTo<T>(getObject(progId)));
    }

private:
    template <class T> static std::shared_ptr<T> castTo(std::shared_ptr<AutomationObject> object) {
        auto typed = std::dynamic_pointer_cast<T>(std::move(object));
        if (!typed)
            throw RuntimeError(QCoreApplication::translate("RuntimeError", "Type mismatch"));
        return typed;
    }

    struct Instance {
        QString progId;
        std::weak_ptr<AutomationObject> object;
    };
    QHash<QString, Factory> m_classes;
    std::vector<Instance> m_running;
};

} // namespace platform
