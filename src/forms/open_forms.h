#pragma once

#include <cstddef>
#include <vector>

namespace kandelo::forms {

class Form;

// The loaded forms in the order in which they were loaded (entry 0 first).
class OpenForms {
public:
    std::size_t count() const noexcept { return forms_.size(); }
    bool empty() const noexcept { return forms_.empty(); }
    Form& at(std::size_t index) const { return *forms_.at(index); }
    void unload(std::size_t index);

    // Unloads every entry from the last down to entry 0. An entry that an
    // earlier unload has already removed is passed over.
    void unloadAllFromLast();

    void add(Form& form);
    void remove(const Form& form);

private:
    std::vector<Form*> forms_;
};

} // namespace kandelo::forms
