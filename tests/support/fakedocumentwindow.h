#pragma once

#include "documentwindow.h"

namespace vantry::test {

// A board window without widgets. The game it would draw is the engine's state, so all it
// keeps is how often it was shown.
class FakeDocumentWindow : public DocumentWindow {
public:
    void ShowWindow() override { ++shown; }

    int shown = 0;
};

}  // namespace vantry::test
