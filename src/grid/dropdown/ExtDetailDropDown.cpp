#include "grid/dropdown/ExtDetailDropDown.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/TextCompletion.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"

namespace {
constexpr int kSystemBorderWidth = 1;
} // namespace

TDetailItem::TDetailItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TDetailItem::~TDetailItem() = default;

void TDetailItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TDetailItem*>(&Source);
    if (!Other) return;
    Caption = Other->Caption;
    ImageIndex = Other->ImageIndex;
    FImage->Assign(*Other->FImage);
    Tag = Other->Tag;
    ItemObject = Other->ItemObject;
}

int TDetailItems::IndexOf(const std::string& AValue) const
{
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Caption == AValue) return I;
    return -1;
}

TExtDetailDropDown::TExtDetailDropDown(TComponent* owner)
    : TExtSelectorDropDown(owner), FItems(std::make_unique<TDetailItems>()), FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>())
{
    FCaptionFont->Assign(*Font());
    FNotesFont->Assign(*Font());
    SetEditorEnabled(true);
}

TExtDetailDropDown::~TExtDetailDropDown() = default;

void TExtDetailDropDown::SetItemIndex(int Value)
{
    if (Value == -1 && FItemIndex >= 0) {
        SetText("");
        FItemIndex = -1;
        return;
    }
    if (Value == FItemIndex || Value < 0 || Value >= FItems->Count()) return;
    FItemIndex = Value;
    SelectCaption(Value);
    if (ItemSelector()) ItemSelector()->Invalidate();
    if (OnSelect) OnSelect(this);
}

// The entry's caption as the whole, selected text; it is not completed again.
void TExtDetailDropDown::SelectCaption(int Index)
{
    FWorkMode = false;
    SetText(FItems->Items(Index)->Caption);
    FWorkMode = true;
    SelectAll();
}

void TExtDetailDropDown::FillSelectorItems(TSelectorItems& Items) const
{
    for (int I = 0; I < FItems->Count(); ++I) {
        const TDetailItem& Detail = *FItems->Items(I);
        TSelectorItem* Item = Items.Add();
        Item->SetCaption(Detail.Caption);
        Item->Image()->Assign(*Detail.Image());
        Item->SetImageIndex(Detail.ImageIndex);
    }
}

void TExtDetailDropDown::BeforeDropDown()
{
    Columns = 1;
    TExtSelectorDropDown::BeforeDropDown();
    TExtCustomItemSelector* List = ItemSelector();
    List->OnItemSize = [this](TObject*, TSize& Size) {
        const int Width = DropDownWidth() > 0 ? DropDownWidth() : DropDownForm()->Width();
        const int Scroll = ItemSelector()->ScrollBarShown(SB_VERT) ? DropDownScrollBarWidth : 0;
        Size = {Width - Scroll - 2 * kSystemBorderWidth - 4, ItemHeight};
    };
    List->OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R, int Index) { DrawDetailItem(Canvas, R, Index); };
    List->UpdateSelectorPanel();
}

void TExtDetailDropDown::UpdateDropDownSize()
{
    if (TExtCustomItemSelector* List = ItemSelector()) {
        if (DropDownWidth() <= 0) List->SetWidth(Width());
        if (DropDownHeight() <= 0) List->SetHeight(100);
    }
    TExtCustomDropDown::UpdateDropDownSize();
}

void TExtDetailDropDown::DropDownSizing()
{
    TExtSelectorDropDown::DropDownSizing();
    if (ItemSelector()) ItemSelector()->UpdateSelectorPanel();
}

void TExtDetailDropDown::ItemSelected()
{
    const int Index = ItemSelector()->ItemIndex();
    SetItemIndex(Index);
    if (Index >= 0) SelectCaption(Index);
    if (!InternalCall()) DoDropUp(false);
}

void TExtDetailDropDown::DrawDetailItem(TCanvas* Canvas, TRect R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    const TDetailItem& Item = *FItems->Items(Index);
    const TGraphic* Picture = Item.Image()->Graphic();
    const bool HasPicture = Picture && !Picture->Empty();
    const bool HasListImage = !HasPicture && Images() && Item.ImageIndex >= 0;
    if (HasPicture || HasListImage) {
        const int W = HasPicture ? Picture->Width() : Images()->Width(), H = HasPicture ? Picture->Height() : Images()->Height();
        const int X = Item.Caption.empty() ? R.Left + (R.Width() - W) / 2 : R.Left + 2;
        const int Y = R.Top + (R.Height() - H) / 2;
        if (HasPicture) Canvas->Draw(X, Y, Picture);
        else Images()->Draw(Canvas, X, Y, Item.ImageIndex);
        R.Left += W + 4;
    }
    const TItemAppearance& A = *ItemAppearance();
    const bool Hot = ItemSelector()->ItemHot() == Index, Selected = FItemIndex == Index;
    const auto Colour = [&](TFont* Font) {
        if (Hot) Font->SetColor(A.ColorHotText);
        if (Selected) Font->SetColor(A.ColorSelectedText);
    };
    Canvas->Font()->Assign(*FCaptionFont);
    Colour(Canvas->Font());
    Canvas->Brush()->SetStyle(bsClear);
    R = TRect{R.Left + 4, R.Top + 2, R.Right - 4, R.Bottom};
    TRect Caption = R;
    DrawText(Canvas, Item.Caption, Caption, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (!Item.Notes.empty()) {
        R.Top += Canvas->TextHeight("gh");
        Canvas->Font()->Assign(*FNotesFont);
        Colour(Canvas->Font());
        HtmlDraw(Canvas, Item.Notes, R, THtmlDrawParams{});
    }
    Canvas->Brush()->SetStyle(bsSolid);
}

void TExtDetailDropDown::Change()
{
    FItemChange = false;
    TExtSelectorDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode) return;
    SetValueModified(!Text().empty());
    std::vector<std::string> Captions;
    for (int I = 0; I < FItems->Count(); ++I)
        Captions.push_back(FItems->Items(I)->Caption);
    const TTextCompletion Done = CompleteText(Captions, Text(), SelStart(), MatchCase);
    if (Done.TypedLength == 0) return;
    FWorkMode = false;
    SetEditText(Done.Text);
    FWorkMode = true;
    SetSelStart(Done.TypedLength);
    SetSelLength(Length(Done.Text) - Done.TypedLength);
    if (Done.Index < 0) return;
    FItemIndex = Done.Index;
    FItemChange = true;
}

void TExtDetailDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    if (Enabled() && !shift.Contains(ssAlt) && NavigateKey(key, shift.Contains(ssCtrl), true)) {
        key = 0;
        return;
    }
    if (FItems->Count() == 0) {
        TExtSelectorDropDown::KeyDown(key, shift);
        return;
    }
    FWorkMode = key != VK_BACK && key != VK_ESCAPE && key != VK_DELETE;
    if (key == VK_RETURN) {
        const int Found = FItems->IndexOf(Text());
        if (Found >= 0) {
            SetItemIndex(Found);
            Change();
        }
    }
    TExtSelectorDropDown::KeyDown(key, shift);
    if (Pressed == VK_ESCAPE) {
        const int Found = FItems->IndexOf(Text());
        if (Found >= 0) SetItemIndex(Found);
    }
}

void TExtDetailDropDown::KeyUp(Word& key, TShiftState shift)
{
    TExtSelectorDropDown::KeyUp(key, shift);
    FItemChange = false;
}
