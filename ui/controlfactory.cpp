// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlfactory.h"

#include "contrast.h"
#include "desktopcolours.h"
#include "picturebox.h"
#include "slider.h"
#include "textfield.h"
#include "wrappingbutton.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>

namespace controls {

QFont windowFont(double points, bool bold)
{
    // Fonts built into the program (the Windows build carries the face the
    // layout is measured in) are made known before the first font is made.
    static const bool builtInFontsAdded = [] {
        for (QDirIterator font(QStringLiteral(":/fonts")); font.hasNext();)
            QFontDatabase::addApplicationFont(font.next());
        return true;
    }();
    Q_UNUSED(builtInFontsAdded);
    // Liberation Sans has the narrow metrics the captions were set for;
    // where it is missing the style hint finds another sans-serif face.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    return font;
}

namespace {

// Whether a row's text is large as WCAG counts it: 18 pt, or 14 pt bold.
bool isLargeText(const ControlSpec &row)
{
    return row.fontPoints >= 18 || (row.bold && row.fontPoints >= 14);
}

// Gives the widget the row's colours in the two palette roles its kind
// paints with, or where the row names none the kind's own: window colours
// for text boxes, button colours for labels. Set for every colour group, so
// a disabled control (Text3) stays readable. Where the desktop's colours
// would make the text unreadable, readableColours falls back to the classic
// pair.
void setColours(QWidget *widget, const ControlSpec &row, QPalette::ColorRole backgroundRole,
                QPalette::ColorRole foregroundRole)
{
    const bool textBox = row.kind == Kind::TextBox;
    const Colour background =
        row.background.value_or(textBox ? Colour::WindowBackground : Colour::ButtonFace);
    const Colour foreground =
        row.foreground.value_or(textBox ? Colour::WindowText : Colour::ButtonText);
    QPalette palette = widget->palette();
    const TextColours colours = readableColours(
        background, foreground, palette, isLargeText(row) ? contrast::kLargeText : contrast::kText);
    palette.setColor(backgroundRole, colours.background);
    palette.setColor(foregroundRole, colours.text);
    widget->setPalette(palette);
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QWidget *createTextBox(const ControlSpec &row, QWidget *parent)
{
    auto *box = new TextField(row.framed, parent);
    box->setAlignment(alignment(row.alignment) | Qt::AlignVCenter);
    setColours(box, row, QPalette::Base, QPalette::Text);
    return box;
}

QWidget *createLabel(const ControlSpec &row, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(alignment(row.alignment) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    setColours(label, row, QPalette::Window, QPalette::WindowText);
    return label;
}

QWidget *createScrollBar(const ControlSpec &row, QWidget *parent)
{
    auto *slider = new Slider(parent);
    slider->setRange(kSliderMinimum, kSliderMaximum);
    slider->setSingleStep(1);
    slider->setPageStep(kSliderPageStep);
    slider->setValue(row.value);
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

QWidget *createPicture(const ControlSpec &row, QWidget *parent)
{
    auto *picture =
        new PictureBox(QStringLiteral(":/images/") + QString::fromStdString(row.picture), parent);
    // The picture box can hold the focus, the image cannot.
    picture->setFocusPolicy(row.kind == Kind::Picture ? Qt::TabFocus : Qt::NoFocus);
    return picture;
}

QWidget *createWidget(const ControlSpec &row, QWidget *parent)
{
    switch (row.kind) {
    case Kind::Button:
        return new WrappingButton(parent);
    case Kind::TextBox:
        return createTextBox(row, parent);
    case Kind::Label:
        return createLabel(row, parent);
    case Kind::ScrollBar:
        return createScrollBar(row, parent);
    case Kind::Shape:
    case Kind::Panel:
        return createFrame(parent);
    case Kind::Picture:
    case Kind::Image:
        return createPicture(row, parent);
    }
    return nullptr;
}

// The caption or start text, once the control has its final font: a text
// box lays its text out as soon as it gets it, and would otherwise do so
// twice, the first time in a font never shown.
void setCaption(QWidget *widget, const QString &caption)
{
    if (caption.isEmpty())
        return;
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setText(caption);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(caption);
}

} // namespace

QWidget *createControl(const ControlSpec &row, QWidget *parent)
{
    QWidget *widget = createWidget(row, parent);
    widget->setObjectName(QString::fromStdString(row.name));
    widget->setGeometry(row.place.left / kTwipsPerPixel, row.place.top / kTwipsPerPixel,
                        row.place.width / kTwipsPerPixel, row.place.height / kTwipsPerPixel);
    // Controls in the window's font inherit it from the window.
    const double points = row.fontPoints > 0 ? row.fontPoints : kWindowFontPoints;
    if (points != kWindowFontPoints || row.bold)
        widget->setFont(windowFont(points, row.bold));
    setCaption(widget, QString::fromStdString(row.caption));
    if (!row.toolTip.empty())
        widget->setToolTip(QString::fromStdString(row.toolTip));
    widget->setAccessibleName(
        QString::fromStdString(row.accessibleName.empty() ? row.caption : row.accessibleName));
    widget->setEnabled(row.enabled);
    widget->setVisible(row.visible);
    return widget;
}

} // namespace controls
