#include "Invitation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSet>

#include <libical/ical.h>

#include <memory>

namespace entry {

namespace {

QString tr(const char* text, int n = -1) {
    return QCoreApplication::translate("Invitation", text, nullptr, n);
}

const QString kNewLine = QStringLiteral("\r\n");

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

QString text(const char* value) {
    return value ? QString::fromUtf8(value) : QString();
}

// Line breaks as the entry window keeps them.
QString windowText(const char* value) {
    QString t = text(value).trimmed();
    t.replace(kNewLine, QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QLatin1Char('\n'), kNewLine);
    return t;
}

// ---- Parsing ----------------------------------------------------------

// Hands libical the text a line at a time, as fgets() would.
struct LineSource {
    const char* at;
    const char* end;
};

char* nextLine(char* out, size_t size, void* data) {
    auto* source = static_cast<LineSource*>(data);
    if (source->at >= source->end || size < 2)
        return nullptr;
    size_t n = 0;
    while (source->at < source->end && n + 1 < size) {
        const char c = *source->at++;
        out[n++] = c;
        if (c == '\n')
            break;
    }
    out[n] = '\0';
    return out;
}

// The whole text's components; of a file cut short (no END lines), what was
// read of the components it opened.
Component parse(const QByteArray& bytes) {
    if (icalcomponent* whole = icalparser_parse_string(bytes.constData()))
        return Component(whole);
    icalparser* parser = icalparser_new();
    LineSource source{bytes.constData(), bytes.constData() + qstrlen(bytes.constData())};
    icalparser_set_gen_data(parser, &source);
    Component root(icalparser_parse(parser, nextLine));
    // What icalparser_clean() closes stays the parser's own: kept as a copy.
    if (!root)
        if (icalcomponent* open = icalparser_clean(parser))
            root.reset(icalcomponent_new_clone(open));
    icalparser_free(parser);
    return root;
}

// ---- Which event ------------------------------------------------------

// The calendar the text holds: the first, when the file joins several.
icalcomponent* firstCalendar(icalcomponent* root) {
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return root;
    if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT)
        return icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
    return nullptr;
}

bool isOverride(icalcomponent* event) {
    return icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
}

// The first event that is not a changed occurrence of another (those follow
// their series in most files, but need not), and how many events there are,
// an event with its changed occurrences counting once.
icalcomponent* firstEvent(icalcomponent* calendar, int& events) {
    icalcomponent* first = nullptr;
    icalcomponent* firstAny = nullptr;
    QSet<QString> uids;
    events = 0;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const QString uid = text(icalcomponent_get_uid(e));
        if (uid.isEmpty() || !uids.contains(uid))
            ++events;
        uids.insert(uid);
        if (!firstAny)
            firstAny = e;
        if (!first && !isOverride(e))
            first = e;
    }
    return first ? first : firstAny;
}

// ---- People -----------------------------------------------------------

QString address(const char* value) {
    QString a = text(value).trimmed();
    if (a.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        a.remove(0, 7);
    return a;
}

QString person(icalproperty* property, const char* value) {
    icalparameter* cn = icalproperty_get_first_parameter(property, ICAL_CN_PARAMETER);
    const QString name = cn ? text(icalparameter_get_cn(cn)).trimmed() : QString();
    return name.isEmpty() ? address(value) : name;
}

std::optional<QString> organizer(icalcomponent* event) {
    icalproperty* p = icalcomponent_get_first_property(event, ICAL_ORGANIZER_PROPERTY);
    if (!p)
        return std::nullopt;
    const QString who = person(p, icalproperty_get_organizer(p));
    return who.isEmpty() ? std::nullopt : std::optional(who);
}

std::optional<QString> attendees(icalcomponent* event) {
    QStringList people;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_ATTENDEE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_ATTENDEE_PROPERTY)) {
        const QString who = person(p, icalproperty_get_attendee(p));
        if (!who.isEmpty())
            people << who;
    }
    return people.isEmpty() ? std::nullopt : std::optional(people.join(kNewLine));
}

// ---- Time -------------------------------------------------------------

struct Moment {
    QDateTime at; // in the user's zone; its time is unused for a date
    bool allDay = false;
};

QTimeZone zoneNamed(const QByteArray& tzid) {
    QTimeZone zone(tzid);
    if (!zone.isValid())
        zone = QTimeZone(QTimeZone::windowsIdToDefaultIanaId(tzid));
    return zone;
}

// A DTSTART or DTEND in the user's zone. libical resolves the time zone
// from the file's VTIMEZONE or its own zone database; a zone neither knows
// is tried as an IANA or Windows name, and a time without a zone is taken
// as the user's own.
std::optional<Moment> moment(icalcomponent* event, icalproperty_kind kind, icaltimetype t,
                             const QTimeZone& local) {
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return std::nullopt;
    const QDate date(t.year, t.month, t.day);
    if (!date.isValid())
        return std::nullopt;
    if (t.is_date)
        return Moment{QDateTime(date, QTime(0, 0), local), true};
    const QTime time(t.hour, t.minute, t.second);
    if (t.zone)
        return Moment{QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone), local),
                      false};
    icalproperty* p = icalcomponent_get_first_property(event, kind);
    icalparameter* tzid = p ? icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) : nullptr;
    const QTimeZone zone = tzid ? zoneNamed(icalparameter_get_tzid(tzid)) : QTimeZone();
    if (!zone.isValid())
        return Moment{QDateTime(date, time, local), false};
    return Moment{QDateTime(date, time, zone).toTimeZone(local), false};
}

QString longDate(const QLocale& locale, QDate date) {
    return locale.toString(date, QLocale::LongFormat);
}

QString dayRange(const QLocale& locale, const Moment& start, const std::optional<Moment>& end) {
    // An all-day event's end is the day after its last.
    const QDate last = end ? end->at.date().addDays(-1) : start.at.date();
    if (last <= start.at.date())
        return longDate(locale, start.at.date());
    return tr("%1 \u2013 %2").arg(longDate(locale, start.at.date()), longDate(locale, last));
}

QString timeRange(const QLocale& locale, const Moment& start, const std::optional<Moment>& end) {
    const QString from = locale.toString(start.at.time(), QLocale::ShortFormat);
    const QString day = longDate(locale, start.at.date());
    if (!end || end->at <= start.at)
        return tr("%1, %2").arg(day, from);
    const QString to = locale.toString(end->at.time(), QLocale::ShortFormat);
    if (end->at.date() == start.at.date())
        return tr("%1, %2\u2013%3").arg(day, from, to);
    return tr("%1, %2 \u2013 %3, %4").arg(day, from, longDate(locale, end->at.date()), to);
}

// DTEND, else DTSTART and DURATION; none when the event gives neither.
std::optional<Moment> endOf(icalcomponent* event, const Moment& start, const QTimeZone& zone) {
    if (icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY))
        return moment(event, ICAL_DTEND_PROPERTY, icalcomponent_get_dtend(event), zone);
    if (!icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY))
        return std::nullopt;
    const int seconds = icaldurationtype_as_int(icalcomponent_get_duration(event));
    return Moment{start.at.addSecs(seconds), start.allDay};
}

std::optional<QString> when(icalcomponent* event, const QLocale& locale, const QTimeZone& zone) {
    const auto start = moment(event, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart(event), zone);
    if (!start)
        return std::nullopt;
    const auto end = endOf(event, *start, zone);
    return start->allDay ? dayRange(locale, *start, end) : timeRange(locale, *start, end);
}

// ---- Texts ------------------------------------------------------------

std::optional<QString> present(const QString& t) {
    return t.isEmpty() ? std::nullopt : std::optional(t);
}

std::optional<QString> locationAndDescription(icalcomponent* event) {
    QStringList parts;
    for (const char* value :
         {icalcomponent_get_location(event), icalcomponent_get_description(event)})
        if (const QString t = windowText(value); !t.isEmpty())
            parts << t;
    return present(parts.join(kNewLine));
}

QStringList notesOn(icalcomponent* calendar, icalcomponent* event, int events) {
    QStringList notes;
    if (events > 1)
        notes << tr("The file holds %n events; the first one was used.", events);
    if (icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))
        notes << tr("The meeting repeats; the date of its first occurrence was used.");
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED ||
        icalcomponent_get_method(calendar) == ICAL_METHOD_CANCEL)
        notes << tr("The invitation says that the meeting is cancelled.");
    return notes;
}

Invitation refused(const QString& why) {
    Invitation invitation;
    invitation.error = why;
    return invitation;
}

QString notACalendar() {
    return tr("The file is not a calendar invitation (an iCalendar .ics file).");
}

} // namespace

Invitation readInvitation(const QByteArray& bytes, const QLocale& locale, const QTimeZone& zone) {
    if (bytes.size() > InvitationFile::kMaxBytes)
        return refused(tr("The file is too large to be a calendar invitation."));
    // A broken line is kept by libical as an error note on its component;
    // nothing it reports may end the program.
    icalerror_set_errors_are_fatal(0);
    const Component root = parse(bytes);
    icalcomponent* calendar = root ? firstCalendar(root.get()) : nullptr;
    if (!calendar)
        return refused(notACalendar());
    int events = 0;
    icalcomponent* event = firstEvent(calendar, events);
    if (!event)
        return refused(tr("The calendar file holds no meeting (no event)."));
    Invitation invitation;
    invitation.title = present(windowText(icalcomponent_get_summary(event)));
    invitation.date = when(event, locale, zone);
    invitation.caller = organizer(event);
    invitation.attendees = attendees(event);
    invitation.additional = locationAndDescription(event);
    invitation.notes = notesOn(calendar, event, events);
    return invitation;
}

Invitation readInvitationFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(tr("The file cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(InvitationFile::kMaxBytes + 1);
    return readInvitation(bytes);
}

Meeting withInvitation(Meeting meeting, const Invitation& invitation) {
    const std::pair<const std::optional<QString>&, QString&> fields[] = {
        {invitation.title, meeting.title},           {invitation.date, meeting.date},
        {invitation.caller, meeting.caller},         {invitation.attendees, meeting.attendees},
        {invitation.additional, meeting.additional},
    };
    for (const auto& [value, field] : fields)
        if (value)
            field = *value;
    return meeting;
}

} // namespace entry
