#include "forms/open_forms.h"

#include "forms/form.h"

#include <algorithm>

namespace kandelo::forms {

void OpenForms::unload(std::size_t index)
{
    at(index).unload();
}

void OpenForms::unloadAllFromLast()
{
    for (std::size_t i = count(); i-- > 0;) {
        if (i < count())
            unload(i);
    }
}

void OpenForms::add(Form& form)
{
    forms_.push_back(&form);
}

void OpenForms::remove(const Form& form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

} // namespace kandelo::forms
