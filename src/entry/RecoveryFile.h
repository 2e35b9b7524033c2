#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QTreeWidget;

namespace entry {

// A copy of the agenda list that outlives a crash, a kill or a lost
// display: about a second after each change of the list (whoever makes it:
// adding, deleting, editing, moving, clearing, loading), the encoded list
// is written in one step to a file of the user's own in the XDG state
// folder, one file per settings file. The list stored at a normal end
// makes the copy useless; it is then discarded. A copy found at the next
// start that differs from the stored list is what the user last had.
class RecoveryFile final : public QObject {
    Q_OBJECT
public:
    RecoveryFile(QTreeWidget& list, const QString& settingsFile, QObject* parent = nullptr);

    // $XDG_STATE_HOME/quillary (else ~/.local/state/quillary) and the file
    // in it that belongs to `settingsFile`.
    static QString folder();
    static QString pathFor(const QString& settingsFile);
    const QString& path() const { return m_path; }

    // The list the copy holds when there is one and it is not `stored`.
    std::optional<QString> differingFrom(const QString& stored) const;
    // Writes the list now; false when the copy could not be written.
    bool writeNow();
    // The list was stored: the copy goes, and no pending write follows.
    void discard();

private:
    void listChanged();

    QTreeWidget& m_list;
    QString m_path;
    QTimer m_delay;
};

} // namespace entry
