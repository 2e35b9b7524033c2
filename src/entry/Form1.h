#pragma once

#include "../app/Services.h"
#include "../platform/controls/FormWindow.h"
#include "StoreWrites.h"

#include <QList>

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class Form2;

namespace platform {
class MultiLineTextBox;
class PictureBox;
class SkinFramework;
class TabControl;
} // namespace platform

namespace app {
class StepRunner;
}
namespace preview {
class GenerationResult;
}

// The meeting entry window: the meeting record lives in its controls.
class Form1 : public platform::FormWindow {
    Q_OBJECT
public:
    explicit Form1(const app::Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Handlers, named after control and event.
    void Form_Load();
    void Form_QueryUnload();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void txtMeetingTitle_GotFocus();
    void txtDateOfMeeting_GotFocus();
    void txtCalledBy_GotFocus();

    // The agenda list as stored under "Time" (a list of fields per item).
    QString EncodedAgendaList() const;
    void DecodeAgendaList(app::StepRunner& run, const QString& stored);

    // Controls, as the window's designer names them.
    QPushButton* PushButton1;
    QPushButton* PushButton4;
    QPushButton* PushButton5;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QLineEdit* txtMeetingTitle;
    QLineEdit* txtDateOfMeeting;
    QLineEdit* txtCalledBy;
    platform::TabControl* SSTab1;
    platform::SkinFramework* SkinFramework1;
    QList<platform::PictureBox*> Picture1; // (0) on the "Time" tab, (1) on the other
    QList<QLabel*> Label1;
    QLineEdit* txtTime;
    QLineEdit* txtTopic;
    QLineEdit* txtDetails;
    QLineEdit* txtRoom;
    QPushButton* PushButton2;
    QPushButton* PushButton3;
    QTreeWidget* ListView1;
    platform::MultiLineTextBox* txtAttendeeList;
    platform::MultiLineTextBox* txtReadingList;
    platform::MultiLineTextBox* txtSuppliesList;
    platform::MultiLineTextBox* txtAdditionalInstruction;

    // True while "Start Creating Template" runs.
    bool mBusy = false;

    // The preview window, created (hidden) on first use; lives until the end.
    Form2& form2();
    bool hasForm2() const { return m_form2 != nullptr; }
    // The same window as the builder fills it.
    preview::GenerationResult& previewResult();

    const app::Services& services() const { return m_services; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createTopControls();
    void createTimePanel();
    void createListsPanel();
    QLabel* addLabel(QWidget* panel, const QString& caption, int left, int top);
    void setTabOrder();
    void connectHandlers();
    void watchPointer();
    void createTabKeys();
    void loadTextFields(app::StepRunner& run);
    void createListColumns(app::StepRunner& run);
    void storeText(const QString& key, const QString& text);
    void setMeetingTexts(app::StepRunner& run, const QStringList& texts);
    void onPointerMove(QObject* over);
    void appendAgendaRow(app::StepRunner& run, int firstLine,
                         const std::function<QString(int)>& field);
    void checkWordAvailable();

    app::Services m_services;
    entry::StoreWrites m_storeWrites;
    std::unique_ptr<Form2> m_form2;
};
