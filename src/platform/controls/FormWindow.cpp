#include "FormWindow.h"

#include "../errors/RuntimeError.h"
#include "Contrast.h"
#include "FocusRing.h"

#include <QApplication>
#include <QEvent>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QtEndian>

namespace platform {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent), m_focusRing(new FocusRing(this)) {
    keepTextReadable();
}

// Only the roles the colour scheme draws too faintly become the window's
// own: every other colour still follows the scheme.
void FormWindow::keepTextReadable() {
    const QPalette scheme = QApplication::palette(this);
    const QPalette readable = readablePalette(scheme);
    QPalette own = palette();
    bool changed = false;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<QPalette::ColorRole>(r);
            if (readable.color(group, role) != scheme.color(group, role)) {
                own.setColor(group, role, readable.color(group, role));
                changed = true;
            }
        }
    }
    if (changed)
        setPalette(own);
}

void FormWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange)
        keepTextReadable();
    QWidget::changeEvent(event);
}

FormWindow::~FormWindow() = default;

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
    // The hourglass covers every control of this window (and no other
    // window), as it does while the program works; the other settings leave
    // the controls their own pointers.
    if (m_pointer == PointerBusy)
        coverControls();
    else
        uncoverControls();
    if (m_pointer == PointerBusy)
        setCursor(Qt::WaitCursor);
    else if (m_pointer == PointerCustom && m_icon)
        setCursor(*m_icon);
    else
        unsetCursor();
}

void FormWindow::setMenuBar(QMenuBar* bar) {
    Q_ASSERT(!m_menuBar);
    const QSize client = size();
    const bool fixed = minimumSize() == maximumSize();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    // Moves over the background reach the window's own handlers.
    m_client->setMouseTracking(true);
    // A copy: moving a control takes it out of the window's own list.
    const QObjectList controls = children();
    for (QObject* child : controls) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == m_client || control == bar || control->isWindow())
            continue;
        const QRect place = control->geometry();
        const bool hidden = control->isHidden();
        control->setParent(m_client);
        control->setGeometry(place);
        control->setHidden(hidden);
    }
    m_menuBar = bar;
    bar->setParent(this);
    const int height = bar->sizeHint().height();
    bar->setGeometry(0, 0, client.width(), height);
    m_client->setGeometry(0, height, client.width(), client.height());
    if (fixed)
        setFixedSize(client.width(), client.height() + height);
    else
        resize(client.width(), client.height() + height);
}

QWidget* FormWindow::clientArea() const {
    return m_client ? m_client : const_cast<FormWindow*>(this);
}

QWidget* FormWindow::controlAt(const QWidget* widget, QPoint at) const {
    QWidget* control = widget->childAt(at);
    return control == m_client ? nullptr : control;
}

void FormWindow::coverControls() {
    if (!m_covered.empty())
        return;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->isWindow())
            continue;
        const std::optional<QCursor> own = control->testAttribute(Qt::WA_SetCursor)
                                               ? std::optional<QCursor>(control->cursor())
                                               : std::nullopt;
        m_covered.emplace_back(control, own);
        control->setCursor(Qt::WaitCursor);
    }
}

void FormWindow::uncoverControls() {
    for (const auto& [control, own] : m_covered) {
        if (!control)
            continue;
        if (own)
            control->setCursor(*own);
        else
            control->unsetCursor();
    }
    m_covered.clear();
}

QCursor loadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(
            QCoreApplication::translate("RuntimeError", "File not found: %1").arg(path));
    const QByteArray data = file.readAll();
    QImage image;
    if (data.size() < 22 || !image.loadFromData(data, "CUR") || image.isNull())
        throw RuntimeError(
            QCoreApplication::translate("RuntimeError", "Invalid picture: %1").arg(path));
    // The hot spot stands in the first directory entry of the file.
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const int hotX = qFromLittleEndian<quint16>(bytes + 6 + 4);
    const int hotY = qFromLittleEndian<quint16>(bytes + 6 + 6);
    return QCursor(QPixmap::fromImage(image), qMin(hotX, image.width() - 1),
                   qMin(hotY, image.height() - 1));
}

} // namespace platform
