#pragma once

#include <QColor>
#include <QPushButton>
#include <QRect>
#include <QString>

// A colour value in blue-green-red order (red 255, green 65280, yellow 65535, white 16777215).
QColor colourFromBgr(int bgr);

// The push button of every command button except cmdRun: a caption that may hold line breaks,
// a face colour and a caption colour, and the short "SAVED" confirmation of the save buttons.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget* parent = nullptr);
    explicit Button(const QString& caption, QWidget* parent = nullptr);

    // Each part between "\n" is shown on its own line.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    void setFaceColour(int bgr);
    void setCaptionColour(int bgr);
    int faceColour() const { return faceColour_; }
    int captionColour() const { return captionColour_; }

    // Shows "SAVED" for one second, then the caption again.
    void showSavedForOneSecond();
    bool showingSaved() const { return showingSaved_; }

signals:
    void savedCaptionEnded();

private:
    void applyColours();

    QString caption_;
    int faceColour_ = -1;     // -1: the style's own face
    int captionColour_ = -1;  // -1: the style's own text colour
    bool showingSaved_ = false;
    int savedGeneration_ = 0;
};

// A command button of a screen: its control name, caption, tooltip and place in design
// coordinates, its caption in bold Arial of `points`.
Button* makeScreenButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, QRect place,
                         double points = 9);
