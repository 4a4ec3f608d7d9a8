#pragma once
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownTypes.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

class TExtButtonAppearance;
class THeaderAppearance;
class TFooterAppearance;
class TExtCustomDropDown;
class TExtButton;
class TCustomImageList;

// The buttons a bar made, with reads and writes checked against the count.
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Add(TExtButton* Item) { FItems.push_back(Item); }
    void Clear() { FItems.clear(); }
    void AssignList(const TDbgList& ListA) { FItems = ListA.FItems; }
    // Raise "Index out of bounds in list read access" / "... write access".
    TExtButton* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, TExtButton* Value);

private:
    std::vector<TExtButton*> FItems;
};

// One push button of a header or footer bar. A click hands its modal result to the popup and,
// for a closing result, closes the drop-down (cancelled for Cancel, Abort, Ignore, No and No to
// all) before the click event fires.
class TExtButton : public TCustomControl {
public:
    explicit TExtButton(TComponent* owner);

    TExtButtonAppearance* Appearance = nullptr; // not owned; without one the face is not painted
    TModalResult ModalResult = mrNone;
    TExtCustomDropDown* ExtDropDown = nullptr;  // the drop-down a footer button closes
    int ImageIndex = -1;
    const TCustomImageList* Images = nullptr; // the drop-down's, not owned
    // Paints what lies under the button on the bar, at the button's origin.
    std::function<void(TCanvas*, TPoint Origin)> PaintParentBackground;

    bool MouseInControl() const { return FMouseInControl; }
    bool MouseDownInControl() const { return FMouseDownInControl; }
    void Click() override;

protected:
    void Paint() override;
    virtual void PaintFace();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;

private:
    void ApplyModalResult();

    bool FMouseInControl = false;
    bool FMouseDownInControl = false;
    bool FInternalClick = false;
};

// A header or footer bar on a drop-down's popup: background, border, image, a markup caption
// and a row of buttons from the bound drop-down's appearance. The footer adds a size grip.
class TExtBar : public TCustomControl {
public:
    ~TExtBar() override;

    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void BindDropDown(TExtCustomDropDown* DropDown);
    void RebuildButtons();
    const TDbgList& ButtonList() const { return FButtonList; }
    // The rectangle the buttons stand in, in client pixels.
    TRect ButtonArea() const;

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

    // Paints the background and border at the given origin (for the buttons' transparency).
    void PaintBackground(TCanvas* Canvas, TPoint Origin);

protected:
    TExtBar(TComponent* owner, bool IsFooter);
    virtual void CreateButtons();
    virtual void RemoveButtons();
    virtual void ArrangeButtons();
    void Paint() override;
    void Resize() override;

    bool IsFooter() const { return FIsFooter; }
    bool ShowsSizeGrip() const;

    // What the two kinds of bar share of their appearance.
    struct TLook {
        TColor Color, ColorTo, BorderColor;
        int BorderWidth, ImageIndex;
        bool Vertical, Left;
        std::string Caption;
        const TFont* Font;
    };
    virtual TLook Look() const = 0;
    virtual void CopyAppearance(TExtCustomDropDown& DropDown) = 0;

private:
    void ButtonClicked(TExtButton* Button);
    void DrawSizeGrip(TCanvas* Canvas);

    bool FIsFooter;
    TExtCustomDropDown* FExtDropDown = nullptr;
    TDbgList FButtonList;
};

class TExtHeader : public TExtBar {
public:
    explicit TExtHeader(TComponent* owner);
    ~TExtHeader() override;
    THeaderAppearance* Appearance() const { return FAppearance.get(); }

protected:
    TLook Look() const override;
    void CopyAppearance(TExtCustomDropDown& DropDown) override;

private:
    std::unique_ptr<THeaderAppearance> FAppearance;
};

class TExtFooter : public TExtBar {
public:
    explicit TExtFooter(TComponent* owner);
    ~TExtFooter() override;
    TFooterAppearance* Appearance() const { return FAppearance.get(); }

protected:
    TLook Look() const override;
    void CopyAppearance(TExtCustomDropDown& DropDown) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    bool InGripCorner(int X, int Y) const;

    std::unique_ptr<TFooterAppearance> FAppearance;
    TCursor FOldCursor = crDefault;
    bool FSizing = false;
    TPoint FSizingFrom;
    TSize FSizingStart;
};
