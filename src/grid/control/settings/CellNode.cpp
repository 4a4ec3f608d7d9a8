#include "grid/control/settings/CellNode.h"

#include "grid/foundation/model/SettingsNotify.h"

TCellNode::TCellNode()
    : FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>())
{
}

TCellNode::~TCellNode() = default;

template <typename T> void TCellNode::Change(T& Field, T Value)
{
    StoreChanged(Field, Value, OnChange, this);
}

void TCellNode::SetNodeType(TNodeType Value) { Change(FNodeType, Value); }
void TCellNode::SetNodeIndent(int Value) { Change(FNodeIndent, Value); }
void TCellNode::SetShowTree(bool Value) { Change(FShowTree, Value); }
void TCellNode::SetShowTreeFull(bool Value) { Change(FShowTreeFull, Value); }
void TCellNode::SetTreeColor(TColor Value) { Change(FTreeColor, Value); }
void TCellNode::SetExpandGlyph(const TBitmap& Value) { FExpandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(const TBitmap& Value) { FContractGlyph->Assign(Value); }

void TCellNode::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TCellNode*>(&Source);
    if (!other) return;
    Color = other->Color;
    ExpandOne = other->ExpandOne;
    NodeColor = other->NodeColor;
    FNodeType = other->FNodeType;
    FNodeIndent = other->FNodeIndent;
    FShowTree = other->FShowTree;
    FShowTreeFull = other->FShowTreeFull;
    FTreeColor = other->FTreeColor;
    FExpandGlyph->Assign(*other->FExpandGlyph);
    FContractGlyph->Assign(*other->FContractGlyph);
}
