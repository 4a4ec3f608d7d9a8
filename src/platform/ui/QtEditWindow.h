#pragma once
// Platform-private: the native window behind an edit control, one line or several.
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "platform/ui/Messages.h"

class TControl;

// What an edit control asks of its window. Text comes with line breaks as CR LF, as a
// Windows edit gives it; positions are UTF-16 offsets into that text.
class TEditWindow {
public:
    virtual ~TEditWindow() = default;

    virtual QWidget* Widget() const = 0;
    virtual bool IsMultiLine() const = 0;
    virtual QString Text() const = 0;
    // Replaces the text without reporting an edit.
    virtual void SetText(const QString& text) = 0;
    virtual int MaxLength() const = 0; // 32767: no limit of our own
    virtual void SetMaxLength(int length) = 0;
    virtual bool ReadOnly() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual void SetPassword(bool password) = 0;
    virtual void SetFrame(bool frame) = 0;
    // Where the text sits: `origin` is the formatting rectangle's top left (its Y the margin
    // at the bottom for bottom-aligned text; null: the window's own placement), `alignment`
    // places the lines across and the whole text up and down.
    virtual void SetTextPlacement(const QPoint& origin, Qt::Alignment alignment) = 0;
    // The offset of the character nearest to a point of the window.
    virtual int CharAt(const QPoint& point) const = 0;
    // The top left of the character at an offset, in window coordinates.
    virtual QPoint CharPos(int offset) const = 0;
    // Only a window of several lines has scroll bars.
    virtual void SetScrollBars(bool horizontal, bool vertical) {}
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // The selection, or the caret twice when nothing is selected.
    virtual int SelectionStart() const = 0;
    virtual int SelectionEnd() const = 0;
    virtual void Select(int from, int to) = 0;
    virtual QString SelectedText() const = 0;
    virtual void Insert(const QString& text) = 0;
    virtual void SelectAll() = 0;
    // WM_CUT, WM_COPY, WM_PASTE and WM_CLEAR; false for any other message.
    virtual bool Command(UINT msg) = 0;
};

// The clipboard commands of either window; `clear` deletes the selection or, without one,
// the character after the caret.
template <class W> bool EditCommand(W* w, UINT msg, const std::function<void()>& clear)
{
    switch (msg) {
    case WM_CUT:
        w->cut();
        return true;
    case WM_COPY:
        w->copy();
        return true;
    case WM_PASTE:
        w->paste();
        return true;
    case WM_CLEAR:
        clear();
        return true;
    default:
        return false;
    }
}

// `onEdited` runs when the user changes the text.
std::unique_ptr<TEditWindow> NewSingleLineWindow(TControl* control, std::function<void()> onEdited);
std::unique_ptr<TEditWindow> NewMultiLineWindow(TControl* control, bool wordWrap,
                                                std::function<void()> onEdited);
