#pragma once

#include "TestServices.h"

#include "entry/Form1.h"

#include <memory>

namespace testing {

// A run of the program's entry window on test doubles.
struct Form1Run {
    TestServices& t;
    std::unique_ptr<Form1> form;

    explicit Form1Run(TestServices& services, bool load = true)
        : t(services), form(std::make_unique<Form1>(services.services())) {
        if (load)
            form->Form_Load();
    }
    // Ends this run and starts the next one on the same store.
    void restart(bool load = true) {
        form.reset();
        t.reopenSettings();
        form = std::make_unique<Form1>(t.services());
        if (load)
            form->Form_Load();
    }
};

} // namespace testing
