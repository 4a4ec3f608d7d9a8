// A memo drop-down and a track-bar drop-down on a form; the memo's popup opens with a header
// (caption and two buttons) and a footer (OK, Cancel and the size grip).
//
//   dropdown_demo [memo|calculator|list|time]   shows the window with that popup open until it is closed
#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "grid/dropdown/ExtMemoDropDown.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/dropdown/ExtTimePickerDropDown.h"
#include "grid/dropdown/ExtTrackBarDropDown.h"
#include "platform/ui/Forms.h"

namespace {

class TDropDownDemo : public TForm {
public:
    explicit TDropDownDemo(TComponent* AOwner) : TForm(AOwner)
    {
        SetCaption("Drop-down editors");
        SetClientSize(420, 300);
        Memo = new TExtMemoDropDown(this);
        Memo->SetParent(this);
        Memo->SetBounds(90, 20, 220, 21);
        Memo->SetLabelCaption("Notes");
        TStringList Lines;
        Lines.SetText("Scan list checked\r\nEDS file written\r\nbank.bin sent");
        Memo->SetMemoText(Lines);
        Memo->SetDropDownWidth(260);
        Memo->DropDownHeader()->Caption = "<b>Notes</b> of the project";
        Memo->DropDownHeader()->Buttons()->Add().SetCaption("Clear");
        Memo->DropDownHeader()->Buttons()->Add().SetCaption("Undo");
        TFooterButton& Ok = Memo->DropDownFooter()->Buttons()->Add();
        Ok.SetCaption("OK");
        Ok.ModalResult = mrOk;
        TFooterButton& Cancel = Memo->DropDownFooter()->Buttons()->Add();
        Cancel.SetCaption("Cancel");
        Cancel.ModalResult = mrCancel;
        Memo->DropDownFooter()->ButtonAlignment = baLeft;

        Level = new TExtTrackBarDropDown(this);
        Level->SetParent(this);
        Level->SetBounds(90, 240, 120, 21);
        Level->SetLabelCaption("Level");
        Level->SetPosition(4);

        Calculator = new TExtCalculatorDropdown(this);
        Calculator->SetParent(this);
        Calculator->SetBounds(250, 240, 120, 21);
        Calculator->SetValue(1234.5);

        Targets = new TExtMultiColumnDropDown(this);
        Targets->SetParent(this);
        Targets->SetBounds(90, 120, 160, 21);
        Targets->SetLabelCaption("Target");
        Targets->Columns()->Add()->Header = "Name";
        Targets->Columns()->Add()->Header = "IP Address";
        Targets->Columns()->Add()->Header = "Vendor";
        const char* Rows[][3] = {{"Drive 1", "192.168.0.11", "Acme"}, {"Drive 2", "192.168.0.12", "Acme"},
                                 {"Valve island", "192.168.0.20", "Fluidic"}, {"Scanner", "192.168.0.31", "Optic"}};
        for (const auto& Row : Rows) {
            TDropDownItem* Item = Targets->Items()->Add();
            for (const char* Text : Row)
                Item->Text().Add(Text);
        }
        Targets->EndUpdate();
        Targets->SetItemIndex(2);

        Clock = new TExtTimePickerDropDown(this);
        Clock->SetParent(this);
        Clock->SetBounds(300, 20, 90, 21);
        Clock->SetTime(EncodeTime(10, 8, 30, 0));
    }

    TExtMemoDropDown* Memo;
    TExtTrackBarDropDown* Level;
    TExtCalculatorDropdown* Calculator;
    TExtMultiColumnDropDown* Targets;
    TExtTimePickerDropDown* Clock;
};

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize();
    TDropDownDemo* demo = nullptr;
    Application->CreateForm(demo);
    demo->Show();
    TExtCustomDropDown* open = demo->Memo;
    if (argc > 1 && std::string(argv[1]) == "calculator") open = demo->Calculator;
    if (argc > 1 && std::string(argv[1]) == "list") open = demo->Targets;
    if (argc > 1 && std::string(argv[1]) == "time") open = demo->Clock;
    open->SetFocus();
    open->ShowDropDown();
    Application->Run();
    return 0;
}
