#include "RuntimeError.h"

#include <QCoreApplication>

namespace platform {

QString describeCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e.description();
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("RuntimeError", "Out of memory");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QCoreApplication::translate("RuntimeError", "Unexpected error");
    }
}

} // namespace platform
