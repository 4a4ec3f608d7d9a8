#pragma once
#include <array>
#include <string>
#include <vector>

#include "workspace/UCommPanels.h"

// Which panels the communication-parameter window shows for a model of the family, and
// where their rows go, worked out from the panel rows alone.

// Rows are 28 pixels apart: captions and check boxes at 12 + 28 n, the other fields 3
// pixels higher. A panel ends 12 pixels below its last visible control plus the height of
// the panel group's header.
constexpr int Row_Pitch = 28;
constexpr int First_Caption_Top = 12;
constexpr int First_Field_Top = 9;
constexpr int Field_Height = 21; // edits and lists
constexpr int Check_Height = 17;
constexpr int Panel_Bottom_Margin = 12;

// The state of the four controls that change a panel's layout.
struct TLayout_State {
    bool SNMP_Version3 = false;
    int SNMP_Security_Level = 0; // 0 no authority, 1 authority without privacy, 2 both
    int BACnet_Type = 0;         // 0 BACnet/IP, 1 BACnet MS/TP
    bool MQTT_Will_Flag = false;
};

struct TRow_Place {
    bool Visible = false;
    int Caption_Top = 0; // check boxes of the row too
    int Field_Top = 0;
};

struct TPanel_Layout {
    std::vector<TRow_Place> Rows; // one per row of the panel; a hidden row where it would stand
    int Height = 0;
};

bool Is_Row_Shown(TRow_Shown shown, const TLayout_State& state);

// RePosition_Object_CANopen and its sisters: the visible rows stacked from the top, and the
// panel's height after its last visible control.
TPanel_Layout RePosition_Object(TComm_Panel panel, const TLayout_State& state, int headerHeight);

// A model of the family: its own protocol panel, shown first under its title text.
struct TModel_Variant {
    int Model;
    TComm_Panel First;
    int Title_Text;
};

constexpr int Configurator_Model = 30605;
constexpr int EtherNetIP_Master_Title_Text = 406;

extern const std::array<TModel_Variant, 13> Model_Variants;

// The variant of a model number; raises EListError for a model outside the family.
const TModel_Variant& Model_Variant(int model);

struct TPanel_Order {
    TComm_Panel Panel;
    std::string Title; // "1. " or "2. " and the panel's title from the text table
    int Tab_Order;
};

// Order_TAB_Panels_30605 and its sisters: the model's panel first, then the EtherNet/IP
// Master panel; every other panel stays hidden.
std::array<TPanel_Order, 2> Order_TAB_Panels(const TModel_Variant& variant);

// RePosition_Objects_30605 and its sisters: the layouts of the two panels, in that order.
std::array<TPanel_Layout, 2> RePosition_Objects(const TModel_Variant& variant, const TLayout_State& state,
                                                int headerHeight);

// Where "." typed in an octet edit moves the focus: the next octet edit of the EtherNet/IP
// Master panel (IP1 ... SM4 ... GAT4), or "" to stay.
std::string Octet_Jump_Target(const std::string& editName);
