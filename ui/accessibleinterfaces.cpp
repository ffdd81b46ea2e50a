// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibleinterfaces.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>

namespace accessibleinterfaces {

namespace {

class TextFieldInterface : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit TextFieldInterface(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {}

    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
    bool usable() const { return field()->isEnabled() && !field()->isReadOnly(); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? field()->text() : QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind != QAccessible::Value)
            QAccessibleWidget::setText(kind, text);
        else if (usable())
            field()->setText(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = usable();
        state.readOnly = !usable();
        state.focusable = field()->isEnabled() && field()->focusPolicy() != Qt::NoFocus;
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && usable())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index != 0 || !field()->hasSelectedText())
            return;
        *start = field()->selectionStart();
        *end = field()->selectionEnd();
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }

    QRect characterRect(int offset) const override
    {
        // Qt tells where it draws the cursor; a character stands as far
        // from it as the text between them is wide.
        const QLineEdit *edit = field();
        const QString shown = edit->text();
        const QFontMetrics metrics(edit->font());
        const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int left = cursor.x() + metrics.horizontalAdvance(shown.left(offset))
                         - metrics.horizontalAdvance(shown.left(edit->cursorPosition()));
        const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 0;
        return {edit->mapToGlobal(QPoint(left, cursor.y())), QSize(width, cursor.height())};
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }

    void scrollToSubstring(int start, int end) override
    {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }

    // The whole text is one run without attributes.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        field()->setText(field()->text().replace(start, end - start, text));
    }
};

class SliderInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SliderInterface(QAbstractSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {}

    QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? QString::number(slider()->value())
                                          : QAccessibleWidget::text(kind);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("TextField"))
        return new TextFieldInterface(static_cast<QLineEdit *>(object));
    if (className == QLatin1String("Slider"))
        return new SliderInterface(static_cast<QAbstractSlider *>(object));
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// The control whose focus the screen reader was told last.
QPointer<QObject> focusTold;

bool isCaretOrSelection(QAccessible::Event type)
{
    return type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged;
}

void passOn(QAccessibleEvent *event);

// Qt has one update handler; with none it tells the platform's screen
// reader bridge. The filter lets an event through by stepping aside for it.
void filter(QAccessibleEvent *event)
{
    QObject *object = event->object();
    if (event->type() == QAccessible::Focus)
        focusTold = object;
    else if (isCaretOrSelection(event->type()) && qobject_cast<QLineEdit *>(object)
             && (object != QApplication::focusWidget() || object != focusTold))
        return;
    passOn(event);
}

void passOn(QAccessibleEvent *event)
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&filter);
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        QAccessible::installUpdateHandler(&filter);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibleinterfaces
