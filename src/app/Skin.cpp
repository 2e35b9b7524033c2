#include "ShellUtilities.h"

#include "../platform/controls/PictureBox.h"
#include "../platform/skin/SkinFramework.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace Main {

namespace {

bool takesFaceColour(const QWidget* w, bool pictureBoxesToo) {
    return qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w) ||
           (pictureBoxesToo && qobject_cast<const platform::PictureBox*>(w));
}

// Button face as a reference to the system colour, so it follows the scheme.
void setFace(QWidget& w) {
    w.setAutoFillBackground(true);
    w.setBackgroundRole(QPalette::Button);
}

void colourControls(QWidget& window, bool pictureBoxesToo) {
    setFace(window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (takesFaceColour(control, pictureBoxesToo))
            setFace(*control);
    }
}

} // namespace

void ApplySkin(QWidget& form, platform::SkinFramework& skin, const QString& programFolder) {
    const QString path = programFolder + kSkinFile;
    const QFileInfo info(path);
    if (!info.isFile() || info.isHidden())
        return;
    colourControls(form, true);
    using M = platform::SkinFramework;
    skin.invoke(M::LoadSkin, {path, QString()});
    skin.invoke(M::ApplyOptions, {skin.invoke(M::ApplyOptions).toInt() | 1}, true);
    skin.invoke(M::SkinDialogs, {true}, true);
    skin.invoke(M::SkinScrollBars, {true}, true);
    skin.invoke(M::ApplyWindow, {static_cast<qint32>(form.winId())});
}

void SetFaceColors(QWidget& window) {
    colourControls(window, false);
}

} // namespace Main
