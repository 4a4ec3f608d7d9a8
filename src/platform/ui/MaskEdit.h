#pragma once
#include <string>

#include "platform/ui/StdCtrls.h"

// An edit with an optional edit mask, the text alignment of a multi-line edit and an edit
// rectangle: the part of the window where the text stands, so that a control can keep a
// strip of its own (an embedded button) free of text.
//
// The mask is written the usual way, "mask;keep literals;blank character": 0 a digit, 9 an
// optional digit, # an optional digit or sign, L / l a letter, A / a a letter or digit,
// C / c any character (capitals required, small optional), > and < fold the case of what
// follows, \ takes the next character literally; every other character is a literal.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* owner);

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // In client coordinates; text stands only inside it.
    TRect EditRect() const { return editRect_; }
    void SetEditRect(const TRect& rect);

private:
    std::string editMask_;
    TAlignment alignment_ = taLeftJustify;
    TRect editRect_;
};

// The mask of the form above in the notation of the platform's line edit.
std::string PlatformInputMask(const std::string& editMask);
