// The controls of the entry window, at their designed positions in twips.
#include "Form1.h"

#include "AgendaListView.h"

#include "../platform/controls/MultiLineTextBox.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/controls/TabControl.h"
#include "../platform/controls/Twips.h"
#include "../platform/skin/SkinFramework.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

#include <limits>

using platform::setTwipsGeometry;

namespace {

QFont arial(qreal points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(arial(11.25));
    button->setMouseTracking(true);
    setTwipsGeometry(button, left, top, width, height);
    return button;
}

QLineEdit* textBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(std::numeric_limits<int>::max());
    setTwipsGeometry(box, left, top, width, height);
    return box;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    setTwipsGeometry(box, 120, top, 7800, 820);
    return box;
}

platform::MultiLineTextBox* multiLineBox(QWidget* parent, const char* name, int top, int height) {
    auto* box = new platform::MultiLineTextBox(parent);
    box->setObjectName(QLatin1String(name));
    setTwipsGeometry(box, 1560, top, 5865, height);
    return box;
}

} // namespace

void Form1::createControls() {
    setObjectName(QStringLiteral("Form1"));
    setFont(arial(9));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    // Whatever the colour scheme, what is drawn on that white is black.
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAccessibleDescription(tr("Enter the meeting's details, its attendees and lists, and its "
                                "agenda items; then start creating the agenda."));
    const int dpi = platform::logicalDpi(this);
    setFixedSize(platform::twipsToPixels(8040, dpi), platform::twipsToPixels(8730, dpi));
    SkinFramework1 = new platform::SkinFramework(this);
    SkinFramework1->setObjectName(QStringLiteral("SkinFramework1"));
    createTopControls();
    createTimePanel();
    createListsPanel();
    SSTab1->setCurrentIndex(1);
}

void Form1::createTopControls() {
    PushButton1 =
        pushButton(this, "PushButton1", tr("Start Creating Template"), 120, 120, 7800, 405);
    PushButton4 = pushButton(this, "PushButton4", tr("Clear/Reset Data"), 120, 630, 3840, 405);
    PushButton5 =
        pushButton(this, "PushButton5", tr("Load Sample/Example Data"), 4080, 630, 3840, 405);
    Frame1 = frame(this, "Frame1", tr("Meeting Title"), 1140);
    Frame2 = frame(this, "Frame2", tr("Date of Meeting"), 2070);
    Frame3 = frame(this, "Frame3", tr("Meeting Called By"), 3000);
    txtMeetingTitle = textBox(Frame1, "txtMeetingTitle", 240, 300, 7320, 345);
    txtDateOfMeeting = textBox(Frame2, "txtDateOfMeeting", 240, 330, 7320, 345);
    txtCalledBy = textBox(Frame3, "txtCalledBy", 240, 300, 7320, 345);
    SSTab1 = new platform::TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    setTwipsGeometry(SSTab1, 120, 3975, 7800, 4650);
    SSTab1->addTab(tr("Attendee, Reading, && Supplies"));
    SSTab1->addTab(tr("Time"));
    SSTab1->tabBar()->setAccessibleName(tr("Meeting lists and agenda items"));
    for (int i = 0; i < 2; ++i) {
        auto* panel = new platform::PictureBox(SSTab1);
        panel->setObjectName(QStringLiteral("Picture1(%1)").arg(i));
        panel->setBackgroundRole(QPalette::Base); // the system window colour
        setTwipsGeometry(panel, 45, 315, 7680, 4290);
        Picture1 << panel;
    }
    SSTab1->setPanel(1, Picture1[0]);
    SSTab1->setPanel(0, Picture1[1]);
}

QLabel* Form1::addLabel(QWidget* panel, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(Label1.size()));
    label->setMouseTracking(true);
    const int dpi = platform::logicalDpi(this);
    label->move(platform::twipsToPixels(left, dpi), platform::twipsToPixels(top, dpi));
    label->adjustSize();
    Label1 << label;
    return label;
}

void Form1::createTimePanel() {
    QWidget* panel = Picture1[0];
    QLabel* time = addLabel(panel, tr("Time:"), 240, 180);
    txtTime = textBox(panel, "txtTime", 990, 135, 6460, 330);
    QLabel* topic = addLabel(panel, tr("Topic:"), 240, 630);
    txtTopic = textBox(panel, "txtTopic", 990, 585, 6460, 330);
    QLabel* details = addLabel(panel, tr("Details:"), 240, 1080);
    txtDetails = textBox(panel, "txtDetails", 990, 1035, 6460, 330);
    QLabel* room = addLabel(panel, tr("Room:"), 240, 1530);
    txtRoom = textBox(panel, "txtRoom", 990, 1485, 6460, 330);
    // Each label names its box for assistive technology.
    time->setBuddy(txtTime);
    topic->setBuddy(txtTopic);
    details->setBuddy(txtDetails);
    room->setBuddy(txtRoom);
    PushButton2 = pushButton(panel, "PushButton2", tr("Add"), 240, 1940, 3600, 405);
    PushButton3 = pushButton(panel, "PushButton3", tr("Delete Selected"), 3960, 1935, 3480, 405);
    m_listView = new entry::AgendaListView(panel);
    ListView1 = m_listView;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(tr("Agenda items"));
    ListView1->setFont(arial(9));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setColumnCount(0);
    ListView1->header()->setStretchLastSection(false);
    ListView1->viewport()->setMouseTracking(true);
    setTwipsGeometry(ListView1, 240, 2460, 7200, 1695);
}

void Form1::createListsPanel() {
    QWidget* panel = Picture1[1];
    addLabel(panel, tr("Attendee List:"), 240, 120);
    txtAttendeeList = multiLineBox(panel, "txtAttendeeList", 120, 870);
    addLabel(panel, tr("Reading List:"), 240, 1080);
    txtReadingList = multiLineBox(panel, "txtReadingList", 1080, 870);
    addLabel(panel, tr("Supplies List:"), 240, 2040);
    txtSuppliesList = multiLineBox(panel, "txtSuppliesList", 2040, 870);
    QLabel* additional = addLabel(panel, tr("Additional Instructions:"), 240, 3000);
    additional->setWordWrap(true);
    setTwipsGeometry(additional, 240, 3000, 1170, 630);
    additional->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtAdditionalInstruction = multiLineBox(panel, "txtAdditionalInstruction", 3000, 1095);
    const QList<QWidget*> boxes{txtAttendeeList, txtReadingList, txtSuppliesList,
                                txtAdditionalInstruction};
    for (qsizetype i = 0; i < boxes.size(); ++i)
        Label1[Label1.size() - boxes.size() + i]->setBuddy(boxes[i]);
}

void Form1::setTabOrder() {
    const QList<QWidget*> order = {txtMeetingTitle,
                                   txtDateOfMeeting,
                                   txtCalledBy,
                                   txtAttendeeList,
                                   txtReadingList,
                                   txtSuppliesList,
                                   txtAdditionalInstruction,
                                   txtTime,
                                   txtTopic,
                                   txtDetails,
                                   SSTab1,
                                   txtRoom,
                                   PushButton2,
                                   PushButton3,
                                   ListView1,
                                   PushButton1,
                                   PushButton4,
                                   PushButton5};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}
