#pragma once

#include "../errors/RuntimeError.h"

#include <memory>

namespace platform {

// An object variable: empty until set. Using an empty one fails with the
// description an unset object variable gives, so every step that uses it
// reports on its own.
template <class T> class Ref {
public:
    Ref() = default;
    Ref(std::shared_ptr<T> object) : m_object(std::move(object)) {} // NOLINT: implicit by design

    T* operator->() const { return &get(); }
    T& operator*() const { return get(); }
    T& get() const {
        if (!m_object)
            throw RuntimeError(QCoreApplication::translate("RuntimeError", kObjectNotSet));
        return *m_object;
    }
    explicit operator bool() const { return static_cast<bool>(m_object); }
    void reset() { m_object.reset(); }
    const std::shared_ptr<T>& shared() const { return m_object; }

private:
    std::shared_ptr<T> m_object;
};

} // namespace platform
