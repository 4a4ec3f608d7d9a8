#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Forms.h"
#include "platform/ui/Graphics.h"

enum TButtonAlignment { baLeft, baRight };

// One push button of a drop-down's header or footer bar. Caption, Enabled and Width tell
// the bar (through the collection's OnChange) when they change; Height does not.
class TBarButton : public TPersistent {
public:
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // 0 or less: fitted to the content.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int ImageIndex = -1; // -1: no image

    TNotifyEvent OnChange; // wired by the collection

protected:
    void AssignButton(const TBarButton& Source);

private:
    std::string FCaption;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
};

class THeaderButton : public TBarButton {
public:
    void Assign(const TPersistent& Source) override;
};

class TFooterButton : public TBarButton {
public:
    TModalResult ModalResult = mrNone; // a click closes the popup with it
    void Assign(const TPersistent& Source) override;
};

// The buttons of one bar, in order. A change of any button is one OnChange.
template <typename TItem> class TBarButtons : public TPersistent {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index out of range.
    TItem& Items(int Index) const;
    TItem& Add() { return Insert(Count()); }
    TItem& Insert(int Index);
    void Delete(int Index);
    void Clear();

    TNotifyEvent OnChange;

    // From a collection of the same buttons: copies of its items, then one OnChange.
    void Assign(const TPersistent& Source) override;

private:
    void Changed();

    std::vector<std::unique_ptr<TItem>> FItems;
};

using THeaderButtons = TBarButtons<THeaderButton>;
using TFooterButtons = TBarButtons<TFooterButton>;

// The look of a drop-down's header or footer bar. Only Visible (OnChange) and the
// buttons (OnButtonsChanged) tell the holder; the other writers only store.
template <typename TButtons> class TBarAppearance : public TPersistent {
public:
    TBarAppearance();
    ~TBarAppearance() override;

    TColor Color = clSilver;
    TColor ColorTo = clWhite;
    std::string Caption; // mini-HTML
    TGradientDirection GradientDirection = gdVertical;
    int Height = 22;
    TColor BorderColor = clBlack;
    int BorderWidth = 1;
    int ImageIndex = -1;
    TButtonAlignment ButtonAlignment = baRight;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Owned; the writers copy.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    TButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(const TButtons& Value) { FButtons->Assign(Value); }

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

    // Only the colours, the font and the gradient direction of another bar of this kind.
    void AssignColors(const TPersistent& Source);

protected:
    void AssignBar(const TBarAppearance& Source);

private:
    bool FVisible = true;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TButtons> FButtons;
};

class THeaderAppearance : public TBarAppearance<THeaderButtons> {
public:
    THeaderAppearance();
    // From another header look: everything, the buttons as copies, Visible through its
    // writer; any other source is ignored.
    void Assign(const TPersistent& Source) override;
};

class TFooterAppearance : public TBarAppearance<TFooterButtons> {
public:
    bool SizeGrip = true; // shown when the popup can be resized
    // As the header's, with SizeGrip.
    void Assign(const TPersistent& Source) override;
};
