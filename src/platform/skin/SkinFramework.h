#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace platform {

// The skin component. A skin file is a Qt style sheet; once loaded it is
// applied to the windows handed to the component. The program reaches it
// by member number through invoke().
class SkinFramework : public QObject {
    Q_OBJECT
public:
    enum Member : int {
        ApplyOptions = 1,   // 32-bit option flags, kept for the skin's own use
        LoadSkin = 2,       // (path, section name)
        ApplyWindow = 3,    // (window handle)
        SkinDialogs = 5,    // bool, kept for the skin's own use
        SkinScrollBars = 10 // bool, kept for the skin's own use
    };

    explicit SkinFramework(QObject* parent = nullptr);

    // Reads a property (no arguments) or calls a method; writes a property
    // when `put` is set. Fails like an automation call would.
    QVariant invoke(int member, const QVariantList& args = {}, bool put = false);

    bool isLoaded() const { return !m_styleSheet.isNull(); }
    QString styleSheet() const { return m_styleSheet; }
    int applyOptions() const { return m_options; }
    bool skinDialogs() const { return m_skinDialogs; }
    bool skinScrollBars() const { return m_skinScrollBars; }

private:
    void loadSkin(const QString& path);
    void applyWindow(qlonglong handle);

    QString m_styleSheet;
    int m_options = 0;
    bool m_skinDialogs = false;
    bool m_skinScrollBars = false;
};

} // namespace platform
