#pragma once
#include <array>
#include <initializer_list>
#include <string>

#include "artefacts/update/UDevicePing.h"
#include "workspace/UTitledForm.h"

// The device update window. Over Ethernet it takes the device's address, what to update and
// whether to read it back; Update tests that the device answers, remembers the choices, writes
// the job and runs the updater, and the window stays open for another try. The serial mode
// shows the serial ports instead of the address. Each showing lays the window out for
// Form_Type, relabels it and reads the remembered choices again.
class TFBoot : public TTitledForm {
public:
    explicit TFBoot(TComponent* owner);

    // Caption and description of the serial mode (0) or of the Ethernet mode (1); any other
    // mode leaves them as they are. Then every other text, and the update options afresh
    // with the first selected.
    void Set_Lang() override;

    void FormShow(TObject* Sender);
    // The address edits: "." moves on to the next edit and is never typed.
    void IP_KeyPress(TObject* Sender, char32_t& Key);
    void Btn_UpdateClick(TObject* Sender);
    void Btn_COM_ListClick(TObject* Sender);
    void update_ComPort();

    // The address as the four edits hold it, joined by ".".
    std::string IP_Address_Text() const;
    // Tests run the reachability test on their own clock. The window ends a test under way as
    // soon as it is asked to close.
    void Use_Ping_Hooks(TDevice_Ping::THooks hooks);
    int ping_res() const { return Ping.ping_res(); }

    int Form_Type = 0; // 0 serial, 1 Ethernet

    TPanel* P_IP_Address;
    TLabel* L_IP_Address;
    std::array<TEdit*, 4> E_IP{};      // E_IP1 ... E_IP4
    std::array<TLabel*, 3> L_IP_Dot{}; // Label2 ... Label4
    TPanel* P_Serial;
    TLabel* L_COM_Port;
    TComboBox* CB_COM_Port;
    TLbButton* Btn_COM_List;
    TPanel* P_Options;
    TLabel* L_Update_Option;
    TComboBox* CB_Update_Options;
    TCheckBox* CB_Update_Option_Read_Back;
    TPanel* P_Button;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Update;

private:
    void Create_IP_Address_Panel();
    void Create_Serial_Panel();
    void Create_Options_Panel();
    TPanel* Add_Panel(const std::string& name, int height);
    // Shows the panels below the title in this order, sizes the window to them and gives the
    // window's panels their tab order: these first, then the hidden ones.
    void Show_Panels(std::initializer_list<TPanel*> shown, std::initializer_list<TPanel*> hidden);
    void Load_Address();
    void Load_Options();
    void Remember_Options();
    void Test_And_Update();
    void Focus_If_Possible(TWinControl* control);

    TDevice_Ping Ping;
};

extern TFBoot* FBoot;
