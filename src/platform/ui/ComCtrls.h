#pragma once
#include <vector>

#include "platform/ui/Controls.h"

// The page control: tabs along the top, one page shown below them.

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Puts the sheet on a page control (as its last page), or takes it off with nullptr.
    void SetPageControl(TPageControl* pageControl);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;
    void SetText(const std::string& text) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The area the pages fill, in client coordinates.
    TRect DisplayRect() const;

    // Fires after the user chose another page.
    TNotifyEvent OnChange;

protected:
    void AlignControls(TRect& rect) override;
    void Paint() override;
    void KeyDown(Word& key, TShiftState shift) override;

private:
    friend class TTabSheet;
    struct TTabs;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    void SelectTab(int tab);
    TTabSheet* PageOfTab(int tab) const;
    int TabHeight() const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    std::unique_ptr<TTabs> tabs_;
};

// A horizontal track bar: a thumb that slides over Min..Max in steps, with tick marks every
// Frequency positions. PageSize is the step of Page Up and Page Down and of a click beside the
// thumb. OnChange fires whenever Position changes, also when the program sets it.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);

    int Min() const;
    void SetMin(int value);
    int Max() const;
    void SetMax(int value);
    int Position() const;
    // Kept within Min..Max.
    void SetPosition(int value);
    int Frequency() const;
    void SetFrequency(int value);
    int PageSize() const;
    void SetPageSize(int value);

    TNotifyEvent OnChange;
};
