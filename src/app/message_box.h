#pragma once

#include <QString>

namespace kandelo::app {

inline constexpr auto ApplicationTitle = "KandeloVer1.2";

// Every message of the program goes through this: modal, one OK button, no
// icon, the application title as caption, blocking the caller until closed.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text) = 0;
};

class ModalMessageBox final : public MessageBoxService {
public:
    void show(const QString& text) override;
};

} // namespace kandelo::app
