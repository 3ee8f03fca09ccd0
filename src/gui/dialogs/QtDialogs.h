#pragma once

#include "season/Services.h"

class QWidget;

// The program's dialog service: each message or input request is a new modal dialog, shown
// over the given window and destroyed when it closes.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    // The window the dialogs are shown over (the main screen, or a screen open in its place).
    void setWindow(QWidget* window) { window_ = window; }

    Answer showMessage(Session& session, const MessageEntry& entry) override;
    InputReply showInput(Session& session, const InputEntry& entry) override;

private:
    QWidget* window_ = nullptr;
};
