#include "AgendaTyping.h"

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"

#include <QCoreApplication>

#include <functional>

namespace MeetingAgenda {

namespace {

namespace wd = word::wd;

const QString kTab = QStringLiteral("\t");

// The builder's own words in the document, in the user's language.
QString heading(const char* source) {
    return QCoreApplication::translate("AgendaTyping", source);
}

// The statements of one call; the selection is looked up afresh each time.
class AgendaTypist {
public:
    AgendaTypist(app::StepRunner& run, platform::Ref<word::Application>& app,
                 platform::Ref<word::Document>& doc, const MeetingSource& meeting)
        : m_run(run), m_app(app), m_doc(doc), m_meeting(meeting) {}

    void typeAll() {
        m_run.step(104, [&] { m_doc = m_app->Documents().Add(); });
        typeHeading();
        typeLists();
        createTable();
        fillRows();
        typeClosing();
    }

private:
    word::Selection& s() { return m_doc->ActiveWindow().Selection(); }
    void font(int line, const QString& name) {
        m_run.step(line, [&] { s().Font().setName(name); });
    }
    void size(int line, double points) {
        m_run.step(line, [&] { s().Font().setSize(points); });
    }
    void bold(int line, bool on) {
        m_run.step(line, [&] { s().Font().setBold(on); });
    }
    void type(int line, const std::function<QString()>& text) {
        m_run.step(line, [&] { s().TypeText(text()); });
    }
    void paragraph(int line) {
        m_run.step(line, [&] { s().TypeParagraph(); });
    }

    void typeHeading() {
        font(106, QStringLiteral("Arial Black"));
        size(108, 28);
        m_run.step(110, [&] { s().Font().setColor(wd::ColorGray50); });
        type(112, [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "AGENDA")); });
        m_run.step(114, [&] { s().ParagraphFormat().setAlignment(wd::AlignParagraphRight); });
        font(116, QStringLiteral("Tahoma"));
        size(118, 10);
        paragraph(120);
        paragraph(122);
        font(124, QStringLiteral("Arial Black"));
        m_run.step(126, [&] { s().Font().setColor(wd::ColorBlack); });
        size(128, 14);
        bold(130, true);
        type(132, [&] { return m_meeting.meetingTitle(); });
        m_run.step(134, [&] { s().ParagraphFormat().setAlignment(wd::AlignParagraphLeft); });
        paragraph(136);
        font(138, QStringLiteral("Tahoma"));
        size(140, 11);
        type(142, [&] { return m_meeting.dateOfMeeting(); });
        paragraph(144);
        type(146, [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "9:00am - 5:00pm")); });
        paragraph(148);
        paragraph(150);
        bold(152, false);
        type(154, [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "Meeting called by ")); });
        bold(156, true);
        type(158, [&] { return m_meeting.calledBy(); });
        paragraph(160);
        paragraph(162);
    }

    void typeLists() {
        type(164, [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "Attendees:")) + kTab; });
        bold(166, false);
        type(168, [&] { return m_meeting.attendeeList(); });
        paragraph(170);
        bold(172, true);
        type(174, [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "Please read:")) + kTab; });
        bold(176, false);
        type(178, [&] { return m_meeting.readingList(); });
        paragraph(180);
        bold(182, true);
        type(184,
             [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "Please bring:")) + kTab; });
        bold(186, false);
        type(188, [&] { return m_meeting.suppliesList(); });
        paragraph(190);
        paragraph(192);
    }

    void createTable() {
        m_run.step(194, [&] {
            m_table = m_app->ActiveDocument()->Tables().Add(
                s().Range(), m_meeting.itemCount(), 3, wd::Word9TableBehavior, wd::AutoFitFixed);
        });
        const int widths[] = {150, 200, 150};
        for (int c = 0; c < 3; ++c)
            m_run.step(198 + 2 * c, [&] { m_table->Columns(c + 1).setWidth(widths[c]); });
        if (m_run.test(204, [&] { return m_table->Style() != QStringLiteral("Table Grid"); }))
            m_run.step(206, [&] { m_table->setStyle(QStringLiteral("Table Grid")); });
        m_run.step(208, [&] { m_table->setApplyStyleHeadingRows(true); });
        m_run.step(210, [&] { m_table->setApplyStyleLastRow(true); });
        m_run.step(212, [&] { m_table->setApplyStyleFirstColumn(true); });
        m_run.step(214, [&] { m_table->setApplyStyleLastColumn(true); });
        m_run.step(216, [&] { m_table->Borders(wd::BorderLeft).setLineStyle(wd::LineStyleNone); });
        m_run.step(218, [&] { m_table->Borders(wd::BorderRight).setLineStyle(wd::LineStyleNone); });
        doubleRule(220, wd::BorderTop);
        doubleRule(228, wd::BorderBottom);
        doubleRule(236, wd::BorderHorizontal);
        m_run.step(244,
                   [&] { m_table->Borders(wd::BorderVertical).setLineStyle(wd::LineStyleNone); });
        m_run.step(
            246, [&] { m_table->Borders(wd::BorderDiagonalDown).setLineStyle(wd::LineStyleNone); });
        m_run.step(248,
                   [&] { m_table->Borders(wd::BorderDiagonalUp).setLineStyle(wd::LineStyleNone); });
        m_run.step(250, [&] { m_table->Borders().setShadow(false); });
    }

    // Statement `line` names the border; the three settings follow it.
    void doubleRule(int line, int border) {
        m_run.step(line + 2, [&] { m_table->Borders(border).setLineStyle(wd::LineStyleDouble); });
        m_run.step(line + 4, [&] { m_table->Borders(border).setLineWidth(wd::LineWidth050pt); });
        m_run.step(line + 6, [&] { m_table->Borders(border).setColor(wd::ColorAutomatic); });
    }

    void fillRows() {
        int count = 1;
        m_run.test(252, [&] {
            count = m_meeting.itemCount();
            return true;
        });
        for (int i = 0; i < count; ++i)
            fillRow(i);
    }

    void fillRow(int i) {
        size(254, 11);
        bold(256, true);
        type(258, [&] { return m_meeting.item(i).time; });
        m_run.step(260, [&] { s().MoveRight(wd::Cell); });
        bold(262, true);
        type(264, [&] { return m_meeting.item(i).topic; });
        paragraph(266);
        size(268, 10);
        bold(270, false);
        type(272, [&] { return m_meeting.item(i).details; });
        m_run.step(274, [&] { s().MoveRight(wd::Cell); });
        size(276, 10);
        type(278, [&] { return m_meeting.item(i).room; });
        if (m_run.test(280, [&] { return i + 1 < m_meeting.itemCount(); }))
            m_run.step(282, [&] { s().MoveRight(wd::Cell); });
        else
            m_run.step(284, [&] { s().MoveDown(wd::Line, 1); });
    }

    void typeClosing() {
        paragraph(288);
        paragraph(290);
        size(292, 11);
        bold(294, true);
        type(296,
             [] { return heading(QT_TRANSLATE_NOOP("AgendaTyping", "Additional Information:")); });
        paragraph(298);
        size(300, 10);
        bold(302, false);
        type(304, [&] { return m_meeting.additionalInstruction(); });
    }

    app::StepRunner& m_run;
    platform::Ref<word::Application>& m_app;
    platform::Ref<word::Document>& m_doc;
    const MeetingSource& m_meeting;
    platform::Ref<word::TableObject> m_table;
};

} // namespace

void TypeAgenda(app::StepRunner& run, platform::Ref<word::Application>& wordApp,
                platform::Ref<word::Document>& doc, const MeetingSource& meeting) {
    AgendaTypist(run, wordApp, doc, meeting).typeAll();
}

} // namespace MeetingAgenda
