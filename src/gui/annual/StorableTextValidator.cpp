#include "annual/StorableTextValidator.h"

#include "annual/TextRules.h"

StorableTextValidator::StorableTextValidator(std::function<void()> refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused))
{
}

QValidator::State StorableTextValidator::validate(QString& input, int& pos) const
{
    const QString kept = storablePart(input);
    if (kept == input)
        return Acceptable;
    // The cursor stays after the characters before it that were kept.
    pos = int(storablePart(input.left(pos)).size());
    input = kept;
    if (refused_)
        refused_();
    return Acceptable;
}
