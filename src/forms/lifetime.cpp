#include "forms/lifetime.h"

#include "forms/open_forms.h"

namespace kandelo::forms {

bool Lifetime::leave() noexcept
{
    --running_;
    return running_ == 0 && !ended_ && openForms_.empty();
}

bool Lifetime::end() noexcept
{
    const bool first = !ended_;
    ended_ = true;
    return first;
}

} // namespace kandelo::forms
