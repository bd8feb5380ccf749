#include "forms/form.h"

#include "forms/open_forms.h"

namespace kandelo::forms {

Form::Form(std::string name, OpenForms& openForms)
    : name_(std::move(name))
    , openForms_(openForms)
{
}

Form::~Form() = default;

void Form::load()
{
    if (state_ != State::Unloaded)
        return;
    createControls();
    state_ = State::Loaded;
    openForms_.add(*this);
    try {
        formLoad();
    } catch (...) {
        // A form whose load step fails does not stay loaded.
        finishUnload();
        throw;
    }
}

void Form::show()
{
    load();
    if (state_ != State::Loaded)
        return;
    visible_ = true;
    showControls(true);
}

void Form::hide()
{
    if (state_ != State::Loaded)
        return;
    visible_ = false;
    showControls(false);
}

void Form::unload()
{
    if (state_ != State::Loaded)
        return;
    state_ = State::Unloading;
    try {
        formUnload();
    } catch (...) {
        finishUnload();
        throw;
    }
    finishUnload();
}

void Form::finishUnload()
{
    openForms_.remove(*this);
    visible_ = false;
    showControls(false);
    destroyControls();
    state_ = State::Unloaded;
}

} // namespace kandelo::forms
