#pragma once

#include "app/messenger.h"

#include <QStringList>

// Installs itself for its lifetime; remembers every message and question and
// answers questions with a preset answer, so no test ever blocks on a box.
class RecordingMessenger : public IMessenger
{
public:
    RecordingMessenger() { setMessenger(this); }
    ~RecordingMessenger() override { setMessenger(nullptr); }

    void showMessage(const QString &text, Icon icon) override
    {
        messages << text;
        icons << icon;
    }
    bool askYesNo(const QString &text, Icon) override
    {
        questions << text;
        return answer;
    }

    void clear()
    {
        messages.clear();
        questions.clear();
        icons.clear();
    }

    QStringList messages;
    QStringList questions;
    QList<Icon> icons;
    bool answer = true;
};
