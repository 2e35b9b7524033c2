#include "MeetingFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringDecoder>

namespace entry::MeetingFile {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MeetingFile", text);
}

// Keys of the texts, in the order of the entry window.
struct TextKey {
    const char* key;
    QString Meeting::*field;
};
constexpr TextKey kTexts[] = {
    {"title", &Meeting::title},           {"date", &Meeting::date},
    {"calledBy", &Meeting::caller},       {"attendees", &Meeting::attendees},
    {"reading", &Meeting::reading},       {"supplies", &Meeting::supplies},
    {"additional", &Meeting::additional},
};

struct ItemKey {
    const char* key;
    QString AgendaItem::*field;
};
constexpr ItemKey kItemTexts[] = {
    {"time", &AgendaItem::time},
    {"topic", &AgendaItem::topic},
    {"details", &AgendaItem::details},
    {"room", &AgendaItem::room},
};

ReadResult refuse(const QString& why) {
    return ReadResult{std::nullopt, why};
}

QString damaged() {
    return tr("The file is not a Quillary meeting file, or it is damaged.");
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)decoder.decode(bytes);
    return !decoder.hasError();
}

// The text under `key`: a missing key is an empty text, any other type fails.
bool readText(const QJsonObject& object, const char* key, QString& text) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        text.clear();
        return true;
    }
    if (!value.isString())
        return false;
    text = value.toString();
    return true;
}

bool readItems(const QJsonValue& value, QList<AgendaItem>& items) {
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    const QJsonArray array = value.toArray();
    items.reserve(array.size());
    for (const QJsonValue& entry : array) {
        if (!entry.isObject())
            return false;
        const QJsonObject object = entry.toObject();
        AgendaItem item;
        for (const ItemKey& k : kItemTexts)
            if (!readText(object, k.key, item.*k.field))
                return false;
        items << item;
    }
    return true;
}

ReadResult readMeeting(const QJsonObject& root) {
    Meeting meeting;
    for (const TextKey& k : kTexts)
        if (!readText(root, k.key, meeting.*k.field))
            return refuse(damaged());
    if (!readItems(root.value(QLatin1String("items")), meeting.items))
        return refuse(damaged());
    return ReadResult{std::move(meeting), QString()};
}

} // namespace

QByteArray encode(const Meeting& meeting) {
    QJsonObject root;
    root.insert(QLatin1String("format"), kFormat);
    root.insert(QLatin1String("version"), kVersion);
    for (const TextKey& k : kTexts)
        root.insert(QLatin1String(k.key), meeting.*k.field);
    QJsonArray items;
    for (const AgendaItem& item : meeting.items) {
        QJsonObject object;
        for (const ItemKey& k : kItemTexts)
            object.insert(QLatin1String(k.key), item.*k.field);
        items.append(object);
    }
    root.insert(QLatin1String("items"), items);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult decode(const QByteArray& bytes) {
    if (bytes.size() > kMaxBytes)
        return refuse(tr("The file is too large to be a Quillary meeting file."));
    if (!isUtf8(bytes))
        return refuse(damaged());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refuse(damaged());
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return refuse(damaged());
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1)
        return refuse(damaged());
    if (version.toDouble() > kVersion)
        return refuse(tr("The file was saved by a newer version of Quillary. "
                         "Install a newer Quillary to open it."));
    return readMeeting(root);
}

ReadResult read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("The file cannot be read: %1").arg(file.errorString()));
    if (file.size() > kMaxBytes)
        return refuse(tr("The file is too large to be a Quillary meeting file."));
    // One byte more than allowed tells a file that grew while being read.
    return decode(file.read(kMaxBytes + 1));
}

QString save(const QString& path, const Meeting& meeting) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("The file cannot be written: %1").arg(file.errorString());
    const QByteArray bytes = encode(meeting);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return tr("The file cannot be written: %1").arg(file.errorString());
    return QString();
}

} // namespace entry::MeetingFile
