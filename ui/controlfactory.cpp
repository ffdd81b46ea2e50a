#include "controlfactory.h"

#include "desktopcolours.h"
#include "picturebox.h"
#include "wrappingbutton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace controls {

QFont windowFont(double points, bool bold)
{
    // Liberation Sans has the narrow metrics the captions were set for;
    // where it is missing the style hint finds another sans-serif face.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

namespace {

QWidget *createTextBox(const ControlSpec &spec, QWidget *parent)
{
    auto *box = new QLineEdit(spec.caption, parent);
    box->setAlignment(spec.alignment | Qt::AlignVCenter);
    box->setFrame(spec.framed);
    QPalette palette = box->palette();
    const Colour background =
        spec.background == Colour::Default ? Colour::WindowBackground : spec.background;
    const Colour foreground =
        spec.foreground == Colour::Default ? Colour::WindowText : spec.foreground;
    // Set for every colour group, so a disabled box (Text3) stays readable.
    palette.setColor(QPalette::Base, desktopColour(background, palette));
    palette.setColor(QPalette::Text, desktopColour(foreground, palette));
    box->setPalette(palette);
    return box;
}

QWidget *createLabel(const ControlSpec &spec, QWidget *parent)
{
    auto *label = new QLabel(spec.caption, parent);
    label->setAlignment(spec.alignment | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, desktopColour(spec.background == Colour::Default
                                                         ? Colour::ButtonFace
                                                         : spec.background,
                                                     palette));
    palette.setColor(QPalette::WindowText, desktopColour(spec.foreground == Colour::Default
                                                             ? Colour::ButtonText
                                                             : spec.foreground,
                                                         palette));
    label->setPalette(palette);
    return label;
}

QWidget *createScrollBar(const ControlSpec &spec, QWidget *parent)
{
    auto *slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setRange(kSliderMinimum, kSliderMaximum);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setValue(spec.value);
    // A drag reports its value once, when the thumb is let go.
    slider->setTracking(false);
    // Right and Page Up raise the value, as on any horizontal slider.
    slider->setInvertedControls(false);
    slider->setFocusPolicy(Qt::StrongFocus);
    return slider;
}

QWidget *createFrame(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QWidget *createPicture(const ControlSpec &spec, QWidget *parent)
{
    auto *picture = new PictureBox(spec.caption, parent);
    // The picture box can hold the focus, the image cannot.
    picture->setFocusPolicy(spec.kind == Kind::Picture ? Qt::TabFocus : Qt::NoFocus);
    return picture;
}

QWidget *createWidget(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case Kind::Button:
        return new WrappingButton(spec.caption, parent);
    case Kind::TextBox:
        return createTextBox(spec, parent);
    case Kind::Label:
        return createLabel(spec, parent);
    case Kind::ScrollBar:
        return createScrollBar(spec, parent);
    case Kind::Shape:
    case Kind::Panel:
        return createFrame(parent);
    case Kind::Picture:
    case Kind::Image:
        return createPicture(spec, parent);
    }
    return nullptr;
}

} // namespace

QWidget *createControl(const ControlSpec &spec, QWidget *parent)
{
    QWidget *widget = createWidget(spec, parent);
    widget->setObjectName(spec.name);
    widget->setGeometry(spec.place.left / kTwipsPerPixel, spec.place.top / kTwipsPerPixel,
                        spec.place.width / kTwipsPerPixel, spec.place.height / kTwipsPerPixel);
    // Controls in the window's font inherit it from the window.
    if ((spec.fontPoints > 0 && spec.fontPoints != kWindowFontPoints) || spec.bold)
        widget->setFont(windowFont(spec.fontPoints, spec.bold));
    if (!spec.toolTip.isEmpty())
        widget->setToolTip(spec.toolTip);
    widget->setAccessibleName(spec.accessibleName.isEmpty() ? spec.caption : spec.accessibleName);
    widget->setEnabled(spec.enabled);
    widget->setVisible(spec.visible);
    return widget;
}

} // namespace controls
