#pragma once

#include "forms/ui/message_box.h"

#include <QStringList>

#include <functional>

// Stands in for the modal message box: records each text and returns at once,
// as if the user had pressed OK. whileShown runs while the "box" is open.
class RecordingMessageBox final : public kandelo::forms::MessageBoxService {
public:
    void show(const QString& text) override
    {
        texts.append(text);
        if (whileShown)
            whileShown(text);
    }

    QStringList texts;
    std::function<void(const QString&)> whileShown;
};
