#pragma once

#include <QValidator>

#include <functional>

// Keeps out of an entry field every character the season file cannot hold (see storablePart):
// such a character is refused as it is typed or pasted, the rest of the text stays, and
// `refused` runs (the screen sounds its error cue).
class StorableTextValidator final : public QValidator {
public:
    StorableTextValidator(std::function<void()> refused, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    std::function<void()> refused_;
};
