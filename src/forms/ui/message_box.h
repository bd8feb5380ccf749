#pragma once

#include <QString>

namespace kandelo::forms {

// Every message of the program goes through this: modal, one OK button, no
// icon, the application title as caption, blocking the caller until closed.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text) = 0;
};

class ModalMessageBox final : public MessageBoxService {
public:
    explicit ModalMessageBox(QString title)
        : title_(std::move(title))
    {
    }
    void show(const QString& text) override;

private:
    QString title_;
};

} // namespace kandelo::forms
