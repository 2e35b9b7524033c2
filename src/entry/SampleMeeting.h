#pragma once

#include "Meeting.h"

namespace entry {

// The sample meeting that "Load Sample/Example Data" puts into the window.
Meeting sampleMeeting();

} // namespace entry
