#include "FormWindow.h"

#include "../errors/RuntimeError.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace platform {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent) {}

FormWindow::~FormWindow() {
    if (m_overrideActive)
        QGuiApplication::restoreOverrideCursor();
}

void FormWindow::setMousePointer(int pointer) {
    m_pointer = pointer;
    applyPointer();
}

void FormWindow::setMouseIcon(const QCursor& cursor) {
    m_icon = cursor;
    applyPointer();
}

void FormWindow::pointerOverButton() {
    if (m_pointer != PointerBusy)
        setMousePointer(PointerCustom);
}

void FormWindow::pointerOverBackground() {
    if (m_pointer != PointerBusy)
        setMousePointer(PointerDefault);
}

void FormWindow::applyPointer() {
    // The hourglass covers every control of the window, as it does while the
    // program works; the other settings leave the controls their own pointers.
    const bool busy = m_pointer == PointerBusy;
    if (busy && !m_overrideActive) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_overrideActive = true;
    } else if (!busy && m_overrideActive) {
        QGuiApplication::restoreOverrideCursor();
        m_overrideActive = false;
    }
    if (m_pointer == PointerCustom && m_icon)
        setCursor(*m_icon);
    else
        unsetCursor();
}

QCursor loadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(QStringLiteral("File not found: %1").arg(path));
    const QByteArray data = file.readAll();
    QImage image;
    if (data.size() < 22 || !image.loadFromData(data, "CUR") || image.isNull())
        throw RuntimeError(QStringLiteral("Invalid picture: %1").arg(path));
    // The hot spot stands in the first directory entry of the file.
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const int hotX = qFromLittleEndian<quint16>(bytes + 6 + 4);
    const int hotY = qFromLittleEndian<quint16>(bytes + 6 + 6);
    return QCursor(QPixmap::fromImage(image), qMin(hotX, image.width() - 1),
                   qMin(hotY, image.height() - 1));
}

} // namespace platform
