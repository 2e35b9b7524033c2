#include "SkinFramework.h"

#include "../errors/RuntimeError.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

namespace platform {

namespace {
[[noreturn]] void badCall() {
    throw RuntimeError(
        QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument"));
}
} // namespace

SkinFramework::SkinFramework(QObject* parent) : QObject(parent) {}

QVariant SkinFramework::invoke(int member, const QVariantList& args, bool put) {
    switch (member) {
    case ApplyOptions:
        if (put)
            m_options = args.value(0).toInt();
        return m_options;
    case LoadSkin:
        if (args.size() != 2)
            badCall();
        loadSkin(args[0].toString());
        return {};
    case ApplyWindow:
        if (args.size() != 1)
            badCall();
        applyWindow(args[0].toLongLong());
        return {};
    case SkinDialogs:
        if (put)
            m_skinDialogs = args.value(0).toBool();
        return m_skinDialogs;
    case SkinScrollBars:
        if (put)
            m_skinScrollBars = args.value(0).toBool();
        return m_skinScrollBars;
    default:
        throw RuntimeError(QCoreApplication::translate("RuntimeError", "Member not found"));
    }
}

void SkinFramework::loadSkin(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw RuntimeError(
            QCoreApplication::translate("RuntimeError", "The skin file %1 could not be read")
                .arg(path));
    m_styleSheet = QString::fromUtf8(file.readAll());
}

void SkinFramework::applyWindow(qlonglong handle) {
    if (!isLoaded())
        throw RuntimeError(QCoreApplication::translate("RuntimeError", "No skin is loaded"));
    QWidget* window = QWidget::find(static_cast<WId>(handle));
    if (!window)
        throw RuntimeError(QCoreApplication::translate("RuntimeError", "Invalid window handle"));
    // The style sheet covers the window and, through it, every control and
    // every box parented to it.
    window->setStyleSheet(m_styleSheet);
}

} // namespace platform
