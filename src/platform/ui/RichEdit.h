#pragma once
// An edit of formatted text: bold, italic, underlined, struck out, sized, coloured, raised
// and lowered characters, read and written as RTF.
#include <functional>
#include <string>
#include <utility>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichTextFormat.h"

class TRichEdit;

// The format of the selection (read at its first character), or of the text typed next
// when nothing is selected. Setting a property formats the whole selection.
class TTextAttributes {
public:
    explicit TTextAttributes(TRichEdit& edit) : edit_(edit) {}

    TRichCharFormat Format() const;
    bool Bold() const { return Format().Bold; }
    void SetBold(bool bold);
    bool Italic() const { return Format().Italic; }
    void SetItalic(bool italic);
    bool Underline() const { return Format().Underline; }
    void SetUnderline(bool underline);
    bool StrikeOut() const { return Format().StrikeOut; }
    void SetStrikeOut(bool strikeOut);
    int Size() const { return Format().Size; }
    void SetSize(int points);
    TColor Color() const { return Format().Color; }
    void SetColor(TColor color);
    // The window knows raised and lowered text, not by how much: any offset above the
    // base line reads back as +40 twips, any below as -40.
    int Offset() const { return Format().Offset; }
    void SetOffset(int twips);

private:
    TRichEdit& edit_;
};

using TResizeRequestEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

// How the text is laid on a canvas: Scale multiplies the sizes the text gives its own
// characters (text in the edit's font keeps that font's size), and Escapement turns the
// text counter-clockwise, in tenths of a degree, about the top-left corner it is drawn from.
struct TRichDrawing {
    double Scale = 1.0;
    int Escapement = 0;
};

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // The plain text, paragraphs ending with CR LF.
    std::string Text() const override;
    // Replaces everything by plain text in the edit's own format.
    void SetText(const std::string& text) override;
    // The whole document as RTF, as a file or a cell holds it.
    std::string RtfText() const;
    // Loads an RTF document; text that is no RTF document is loaded as plain text.
    void SetRtfText(const std::string& rtf);
    TRichRuns Runs() const;
    // The text or its format changed since it was last loaded or set.
    bool Modified() const;
    void Clear() { SetText(""); }

    // Selection in characters of the document, from 0; a paragraph end counts one.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection by plain text in the format of its first character.
    void SetSelText(const std::string& text);
    void SelectAll();
    TTextAttributes& SelAttributes() { return selAttributes_; }

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool want) { wantReturns_ = want; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    // Where the text is laid out, in client coordinates.
    void SetFormattingRect(const TRect& rect);
    // Reports the size the whole text needs through OnResizeRequest.
    void RequestSize();
    // Draws the text, laid out in the rectangle's width, onto a canvas with a clear background;
    // a turned text is turned about the rectangle's top-left corner, and cut to the rectangle
    // turned with it.
    void DrawTo(TCanvas& canvas, const TRect& rect, const TRichDrawing& how = {});
    // The size of the whole text on the canvas, with no line broken but at its paragraph ends.
    TSize DrawnExtent(TCanvas& canvas, double scale = 1.0);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;
    // The text's layout changed its size: Rect is the size that shows all of it.
    TResizeRequestEvent OnResizeRequest;

protected:
    virtual void RequestResize(const TRect& rect);
    virtual void SelectionChange();

private:
    friend class TTextAttributes;
    void MergeSelectionFormat(const std::function<void(TRichCharFormat&)>& change);

    TTextAttributes selAttributes_{*this};
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool hideSelection_ = true;
    bool loading_ = false;
    std::pair<int, int> reportedSelection_{0, 0};
    TFormBorderStyle borderStyle_ = bsSingle;
};
