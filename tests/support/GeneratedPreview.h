#pragma once

#include "Clicks.h"
#include "GenerationFixture.h"

#include "entry/Form1.h"
#include "preview/Form2.h"

namespace testing {

// The sample generated; the preview shown and active.
inline Form2& generatedPreview(GenerationRun& g) {
    Form1& f = g.form();
    f.show();
    f.PushButton5_Click();
    f.PushButton1_Click();
    Form2& p = f.form2();
    if (!showAndWait(p, true))
        qFatal("the preview was not shown");
    return p;
}

} // namespace testing
