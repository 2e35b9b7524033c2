#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace platform {

// One local file dropped anywhere on a window, text boxes included (which
// would otherwise take the file's name as text): the window takes the drop
// and reports the file. Drops of several files or of other data are left
// to the controls.
class FileDrops final : public QObject {
    Q_OBJECT
public:
    explicit FileDrops(QWidget& window);

signals:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace platform
