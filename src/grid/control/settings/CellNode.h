#pragma once
#include <memory>

#include "platform/ui/Graphics.h"

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of tree nodes in the grid. The writers of the values that change what is
// drawn tell the grid (OnChange) when the value really changed.
class TCellNode : public TPersistent {
public:
    TCellNode();
    ~TCellNode() override;

    TColor Color = 0x00C0C0C0;
    bool ExpandOne = false;
    TColor NodeColor = clBlack;

    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value);
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value);
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value);
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value);
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value);
    // The glyphs are owned; the writers copy the picture.
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    void SetExpandGlyph(const TBitmap& Value);
    TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
    void SetContractGlyph(const TBitmap& Value);

    TNotifyEvent OnChange;

    // From another node setting: all ten values, the glyphs as copies; anything else is
    // ignored.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, T Value);

    TNodeType FNodeType = cnXP;
    int FNodeIndent = 12;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TColor FTreeColor = clGray;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FContractGlyph;
};
