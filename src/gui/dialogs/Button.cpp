#include "dialogs/Button.h"

#include "season/Layout.h"

#include <QPalette>
#include <QPointer>
#include <QTimer>

QColor colourFromBgr(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Button::Button(QWidget* parent) : QPushButton(parent) {}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(parent)
{
    setCaption(caption);
}

namespace {
// Captions are shown as written: an "&" is a character, not a keyboard shortcut mark.
QString shownText(const QString& caption)
{
    QString text = caption;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}
}  // namespace

void Button::setCaption(const QString& caption)
{
    caption_ = caption;
    if (!showingSaved_)
        setText(shownText(caption_));
}

void Button::setFaceColour(int bgr)
{
    faceColour_ = bgr;
    applyColours();
}

void Button::setCaptionColour(int bgr)
{
    captionColour_ = bgr;
    applyColours();
}

// A style sheet paints the face on every style (Fusion, the offscreen platform, native ones that
// ignore the palette's button colour); the palette carries the same colours for whoever reads it.
void Button::applyColours()
{
    QPalette pal = palette();
    QString sheet;
    if (faceColour_ >= 0) {
        const QColor face = colourFromBgr(faceColour_);
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::Window, face);
        sheet += QStringLiteral("background-color: %1; border: 1px solid #808080; border-radius: 3px;")
                     .arg(face.name());
    }
    if (captionColour_ >= 0) {
        const QColor text = colourFromBgr(captionColour_);
        pal.setColor(QPalette::ButtonText, text);
        pal.setColor(QPalette::WindowText, text);
        sheet += QStringLiteral(" color: %1;").arg(text.name());
    }
    setPalette(pal);
    setAutoFillBackground(faceColour_ >= 0);
    setStyleSheet(sheet.isEmpty() ? QString() : QStringLiteral("Button { %1 }").arg(sheet.trimmed()));
}

void Button::showSavedForOneSecond()
{
    showingSaved_ = true;
    setText(QStringLiteral("SAVED"));
    const int generation = ++savedGeneration_;
    QPointer<Button> self(this);
    QTimer::singleShot(1000, this, [self, generation] {
        // A second press while "SAVED" shows restarts the second.
        if (!self || generation != self->savedGeneration_)
            return;
        self->showingSaved_ = false;
        self->setText(shownText(self->caption_));
        emit self->savedCaptionEnded();
    });
}

Button* makeScreenButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, QRect place,
                         double points)
{
    auto* button = new Button(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setFont(designFont(points, true));
    button->setGeometry(place);
    return button;
}
