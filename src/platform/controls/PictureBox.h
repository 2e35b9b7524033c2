#pragma once

#include <QWidget>

namespace platform {

// A picture box: a plain panel with a background colour of its own.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
};

} // namespace platform
