#pragma once

#include <string>

namespace kandelo::forms {

class OpenForms;

// A single-instance form: created with its object, loaded when it is first
// shown (its controls exist and its load step has run), shown or hidden while
// loaded, and unloaded (controls gone, the object and its fields kept). A later
// show loads it afresh.
class Form {
public:
    Form(std::string name, OpenForms& openForms);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const noexcept { return name_; }
    bool isLoaded() const noexcept { return state_ != State::Unloaded; }
    bool isVisible() const noexcept { return visible_; }

    // Loads the form unless it is loaded already. When the load step fails the
    // form is unloaded again and the failure passed on.
    void load();
    // Loads the form if needed and makes it visible, without waiting for it.
    void show();
    void hide();
    // Runs the unload step and removes the form's controls. Does nothing when
    // the form is not loaded or is already unloading.
    void unload();

protected:
    virtual void createControls() = 0;
    virtual void destroyControls() = 0;
    virtual void showControls(bool visible) = 0;
    virtual void formLoad() {}
    virtual void formUnload() {}

private:
    enum class State { Unloaded, Loaded, Unloading };

    void finishUnload();

    std::string name_;
    OpenForms& openForms_;
    State state_ = State::Unloaded;
    bool visible_ = false;
};

} // namespace kandelo::forms
