#pragma once

#include <QLabel>

struct PrintRunNote;

// A note under a screen's list that is always shown whole: it wraps at blanks and, where a word
// (a long path) is wider than the note, inside the word; it grows upwards from the bottom edge it
// was placed at, as far as the text needs. Where a printout's PDF went, or why printing failed.
class NoteLabel : public QLabel {
public:
    explicit NoteLabel(QWidget* parent = nullptr);

    // Shows the text (red for a failure) with the tip, grown to hold all of it.
    void showNote(const QString& text, const QString& tip = {}, bool failure = false);
    void showNote(const PrintRunNote& note);

    // The height the text needs at a width.
    int neededHeight(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int bottom_ = -1;  // the bottom edge as laid out, before the note first grew
};
