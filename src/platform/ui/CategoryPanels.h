#pragma once
#include <memory>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/ExtCtrls.h"

// The category panel group: a column of collapsible panels, each with a header.

class TCategoryPanelGroup;

// One panel of a group: a header with the caption and a chevron that tells whether the
// panel is expanded, and below it the surface that holds the panel's controls. A click on
// the header collapses or expands the panel.
class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* owner);

    // The group is the panel's parent.
    TCategoryPanelGroup* PanelGroup() const;
    void SetPanelGroup(TCategoryPanelGroup* group);
    // The parent of the panel's controls; its (0, 0) lies just below the header.
    TPanel* Surface() const { return surface_; }

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool collapsed);
    void Expand() { SetCollapsed(false); }
    // The height of the expanded panel, header included. A height set while the panel is
    // collapsed is kept for its next expansion.
    int ExpandedHeight() const { return collapsed_ ? expandedHeight_ : Height(); }

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetText(const std::string& text) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void CMMouseLeave(TMessage& message) override;
    void AlignControls(TRect& rect) override;

private:
    int HeaderHeight() const;
    void SetHot(bool hot);

    TPanel* surface_;
    bool collapsed_ = false;
    int expandedHeight_ = 0;
    bool hot_ = false; // the mouse is over the header
};

// The panels of the group fill its width, stacked from the top; hidden panels take no room.
// A new panel goes to the end, and a panel whose Top is set goes before the first shown
// panel that lies at that Top or below it. While they are higher than the group a vertical scroll bar
// moves them, also while its thumb is dragged.
class TCategoryPanelGroup : public TCustomControl {
public:
    explicit TCategoryPanelGroup(TComponent* owner);
    ~TCategoryPanelGroup() override;

    int HeaderHeight() const { return headerHeight_; }
    void SetHeaderHeight(int height);
    TFont* HeaderFont() const { return headerFont_.get(); }
    // The headers run from the base colour at the top to the gradient colour at the bottom.
    TColor GradientBaseColor() const { return gradientBaseColor_; }
    void SetGradientBaseColor(TColor color);
    TColor GradientColor() const { return gradientColor_; }
    void SetGradientColor(TColor color);
    TColor ChevronColor() const { return chevronColor_; }
    void SetChevronColor(TColor color);
    TColor ChevronHotColor() const { return chevronHotColor_; }
    void SetChevronHotColor(TColor color);

    // The panels shown, top to bottom.
    std::vector<TCategoryPanel*> Panels() const;
    // How far the panels are scrolled up, in pixels.
    int ScrollPos() const { return scrollPos_; }

    static constexpr int Scroll_Line = 8; // pixels of SB_LINEUP and SB_LINEDOWN

protected:
    void AlignControls(TRect& rect) override;
    void WMVScroll(TMessage& message) override;

private:
    friend class TCategoryPanel;
    void Headers_Changed();
    void Panel_Changed(TCategoryPanel* panel, bool moved);
    void Sync_Order() const;

    int headerHeight_ = 24;
    std::unique_ptr<TFont> headerFont_;
    TColor gradientBaseColor_ = clWhite;
    TColor gradientColor_ = clBtnFace;
    TColor chevronColor_ = clBlack;
    TColor chevronHotColor_ = clGray;
    int scrollPos_ = 0;
    bool stacking_ = false;
    mutable std::vector<TWeakRef<TCategoryPanel>> order_;
};
