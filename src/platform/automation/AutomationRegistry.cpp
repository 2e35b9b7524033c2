#include "AutomationRegistry.h"

#include <QCoreApplication>

#include <algorithm>

namespace platform {

namespace {
const char* const kCannotCreate =
    QT_TRANSLATE_NOOP("RuntimeError", "ActiveX component can't create object");
}

void AutomationRegistry::registerClass(const QString& progId, Factory factory) {
    m_classes.insert(progId.toLower(), std::move(factory));
}

void AutomationRegistry::unregisterClass(const QString& progId) {
    m_classes.remove(progId.toLower());
}

bool AutomationRegistry::isRegistered(const QString& progId) const {
    return m_classes.contains(progId.toLower());
}

std::shared_ptr<AutomationObject> AutomationRegistry::createObject(const QString& progId) {
    const auto found = m_classes.constFind(progId.toLower());
    if (found == m_classes.constEnd())
        throw RuntimeError(QCoreApplication::translate("RuntimeError", kCannotCreate));
    std::shared_ptr<AutomationObject> object = (*found)();
    if (!object)
        throw RuntimeError(QCoreApplication::translate("RuntimeError", kCannotCreate));
    std::erase_if(m_running, [](const Instance& i) { return i.object.expired(); });
    m_running.push_back({progId.toLower(), object});
    return object;
}

std::shared_ptr<AutomationObject> AutomationRegistry::getObject(const QString& progId) {
    const QString key = progId.toLower();
    for (auto it = m_running.rbegin(); it != m_running.rend(); ++it) {
        if (it->progId != key)
            continue;
        if (auto object = it->object.lock(); object && object->isRunning())
            return object;
    }
    throw RuntimeError(QCoreApplication::translate("RuntimeError", kCannotCreate));
}

} // namespace platform
