#pragma once

class Form1;

// The agenda builder: the meeting of the entry window becomes a document in
// the temporary folder, its pages become pictures, the preview opens.
namespace MeetingAgenda {

void GenerateMeetingAgenda(Form1& form1);

} // namespace MeetingAgenda
