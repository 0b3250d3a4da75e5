// Dialogs for tests: answers are queued in advance, and every call is recorded.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "game/Dialogs.h"

class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        QString text;
        QString title;
    };
    struct Question {
        QString text;
        QString title;
        QString acceptText;
        QString rejectText;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };

    // Queued answers; an input box with nothing queued answers like Cancel (empty text),
    // a save dialog with nothing queued answers like Cancel (the preset name).
    std::deque<QString> inputAnswers;
    std::deque<QString> saveAnswers;
    bool openUrlSucceeds = true;
    std::deque<bool> askAnswers;  // nothing queued answers like closing the box (false)

    std::vector<Input> inputs;
    std::vector<Message> messages;
    std::vector<QString> saveDialogs;  // titles
    QStringList openedUrls;
    std::vector<Question> questions;

    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        inputs.push_back({prompt, title, defaultText});
        if (inputAnswers.empty()) return QString();
        QString answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    void MessageBox(const QString& text, const QString& title) override {
        messages.push_back({text, title});
    }
    QString SaveFileDialog(const QString& title, const QString& presetName) override {
        saveDialogs.push_back(title);
        if (saveAnswers.empty()) return presetName;
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool OpenUrl(const QString& address) override {
        openedUrls << address;
        return openUrlSucceeds;
    }
    bool Ask(const QString& text, const QString& title, const QString& acceptText,
             const QString& rejectText) override {
        questions.push_back({text, title, acceptText, rejectText});
        if (askAnswers.empty()) return false;
        const bool answer = askAnswers.front();
        askAnswers.pop_front();
        return answer;
    }
};
