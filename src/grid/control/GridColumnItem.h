#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Collections.h"
#include "platform/ui/Graphics.h"

class TEditLink;
class TExtColumnGrid;
class TGridColumnCollection;
class TPopupMenu;

// On which cells (fixed, normal, all rows) and with which button a column's menu opens.
enum TColumnPopupType : uint8_t {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick
};

// The settings of a column that are only kept: writing them changes nothing else. A copy
// of one column into another (Assign) takes them all.
struct TGridColumnSettings {
    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    std::string CheckFalse = "N";
    std::string CheckTrue = "Y";
    int DropDownCount = 8;
    // Characters; 0 is no limit.
    int EditLength = 0;
    std::string EditMask;
    bool FilterCaseSensitive = false;
    int MinSize = 0;
    int MaxSize = 0;
    std::string Name;
    TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
    TColor PrintColor = clWhite;
    bool ReadOnly = false;
    TSortStyle SortStyle = ssAutomatic;
    std::string SortPrefix;
    std::string SortSuffix;
    int SpinMax = 0;
    int SpinMin = 0;
    int SpinStep = 1;
    int Tag = 0;
    // The column's design position, for restoring a saved column order.
    int DefIdx = 0;
};

// The settings of one column of a column grid. Item i of the grid's Columns describes
// real column i, hidden columns counted. Writers that the grid's look depends on repaint
// the grid or tell the collection; an item without a collection (a save slot) tells nobody.
class TGridColumnItem : public TCollectionItem, public TGridColumnSettings {
public:
    // A new item in a collection takes the grid's colour and font.
    explicit TGridColumnItem(TCollection* Collection);
    ~TGridColumnItem() override;

    // Copies every setting but the pop-up type and the two print switches, without the
    // writers' side effects; a source that is no column item is ignored.
    void Assign(const TPersistent& Source) override;
    // The copy a new last column takes of the one before it: its visuals, with the grid's
    // colour and font, and without header, name, combo list, drop-down count, header font
    // and tag.
    void AssignVisuals(const TPersistent& Source);
    // "Col 3: Addr" for a named item, else "Column 3".
    std::string GetDisplayName() const override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TEditorType Editor() const { return FEditorType; }
    // Repaints only when the data check box comes or goes.
    void SetEditor(TEditorType Value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    const std::string& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& Value);
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    const std::string& Header() const { return FColumnHeader; }
    // Writes row 0 of the column (with fixed rows, and not while a column moves) and
    // rebuilds the grid's ColumnHeaders from every item.
    void SetHeader(const std::string& Value);
    // The grid's width of the column; 0 outside a collection.
    int Width() const;
    void SetWidth(int Value);

    TPen* BorderPen() const { return FBorderPen.get(); }
    void SetBorderPen(const TPen& Value);
    TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont& Value);
    TFont* PrintFont() const { return FPrintFont.get(); }
    void SetPrintFont(const TFont& Value) { FPrintFont->Assign(Value); }
    TStringList* ComboItems() const { return FComboItems.get(); }
    void SetComboItems(const TStringList& Value) { *FComboItems = Value; }
    // Changing the filter lines through this writer repaints the grid.
    TStringList* Filter() const { return FFilter.get(); }
    void SetFilter(const TStringList& Value);

    // The menu a click on the column's cells opens (ColumnPopupType says which clicks); none
    // once the menu is freed.
    TPopupMenu* ColumnPopup() const;
    void SetColumnPopup(TPopupMenu* Value);
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    // The custom editor of the column's edCustom cells; none once the link is freed. The
    // grid only refers to it.
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* Value);
    bool PrintBorderCustom = true;
    bool PrintFontCustom = true;

    // Typed access to the column's cells in the owning grid; the grid's conversion errors
    // pass through.
    std::string GetRows(int ARow) const;
    void SetRows(int ARow, const std::string& Value);
    int GetInts(int ARow) const;
    void SetInts(int ARow, int Value);
    double GetFloats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime GetDates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime GetTimes(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

private:
    // The grid keeps headers and row 0 in step without the header writer's side effects.
    friend class TExtColumnGrid;
    TGridColumnCollection* OwnerCollection() const;
    // The grid of the collection; nullptr for an item outside any collection.
    TExtColumnGrid* Grid() const;
    TExtColumnGrid& CellGrid() const;
    void Repaint() const;
    void UpdateCollection() { Changed(false); }
    void CopyFrom(const TGridColumnItem& Source, bool VisualsOnly);
    template <typename T> void StoreAndUpdate(T& Field, T Value)
    {
        Field = Value;
        UpdateCollection();
    }
    template <typename T> void StoreAndRepaint(T& Field, T Value)
    {
        Field = Value;
        Repaint();
    }

    TAlignment FAlignment = taLeftJustify;
    TAlignment FHeaderAlignment = taLeftJustify;
    TCellBorders FBorders;
    TColor FColor = 0;
    TEditorType FEditorType = edNormal;
    bool FFixed = false;
    std::string FFloatFormat;
    bool FPassword = false;
    bool FShowBands = false;
    std::string FColumnHeader;
    TWeakRef<TPopupMenu> FColumnPopup;
    TWeakRef<TEditLink> FEditLink;

    std::unique_ptr<TPen> FBorderPen;
    std::unique_ptr<TPen> FPrintBorderPen;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FPrintFont;
    std::unique_ptr<TStringList> FComboItems;
    std::unique_ptr<TStringList> FFilter;
};
