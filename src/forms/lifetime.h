#pragma once

namespace kandelo::forms {

class OpenForms;

// The program ends as soon as no form is loaded and none of its handlers or
// procedures is running. Every handler runs between enter() and leave(); a
// modal message box shown by a handler keeps the handler running, so the box's
// own event loop never ends the program early.
class Lifetime {
public:
    explicit Lifetime(const OpenForms& openForms)
        : openForms_(openForms)
    {
    }

    void enter() noexcept { ++running_; }
    // True when the last running handler leaves with no form loaded.
    bool leave() noexcept;
    // Marks the program as ended; true the first time only.
    bool end() noexcept;

    bool hasEnded() const noexcept { return ended_; }

private:
    const OpenForms& openForms_;
    int running_ = 0;
    bool ended_ = false;
};

} // namespace kandelo::forms
