#pragma once
#include <string>
#include <vector>

// The category panels of the communication-parameter window, one per protocol of the
// converter family, described as rows so that the window builds its controls from them and
// the layout can be worked out without a window.

enum class TComm_Panel {
    CANopen,
    EtherNetIP_Master,
    PROFINET,
    SNMP_Agent,
    PROFIBUS,
    CAN,
    DeviceNet_Slave,
    Modbus_TCP_Slave,
    Serial,
    Modbus_Slave,
    BACnet_Slave,
    KNX,
    MQTT,
    Ethernet,
};
constexpr int Comm_Panel_Count = 14;

enum class TRow_Kind {
    Edit,           // label and edit
    List,           // label and drop-down list (no typing)
    Password,       // label and one-line rich edit
    Octets,         // label and four octet edits with "." labels between them
    Check,          // check box alone
    Check_Octets,   // check box and four octet edits
    Check_Edit,     // check box and edit
    Version_Checks, // label and three check boxes captioned "1", "2" and "3"
};

// When a row is shown; the conditions follow the controls that change a panel's layout.
enum class TRow_Shown {
    Always,
    Never,
    SNMP_Version3,  // version 3 on
    SNMP_Authority, // version 3 on, a security level with authority
    SNMP_Privacy,   // version 3 on, "Authority Privacy"
    BACnet_IP,      // type "BACnet/IP"
    BACnet_MSTP,    // type "BACnet MS/TP"
    MQTT_Will,      // will flag on
};

// Captions and check boxes sit at the left edge, fields in a column beside them.
constexpr int Caption_Left = 14;
constexpr int Field_Left = 191;
constexpr int Field_Width = 238;
constexpr int Octet_Width = 55;
constexpr int Octet_Pitch = 61;   // octet edits at 191, 252, 313, 374
constexpr int Version_Pitch = 79; // version check boxes at 191, 270, 349

struct TPanel_Row {
    TRow_Kind Kind = TRow_Kind::Edit;
    std::string Caption;            // name of the label or check box
    std::string Field;              // name of the field; octet edits and version check boxes add 1 to 4
    int Text = 0;                   // the caption's text-table entry; the hints of the row follow it
    std::string Value;              // an edit's first text; dotted octets for octet rows
    std::vector<std::string> Items; // the entries of a list
    int Item_Index = 0;
    int Max_Length = 0; // 0: no limit
    bool Enabled = true;
    TRow_Shown Shown = TRow_Shown::Always;
    int Caption_Width = 0; // 0: the platform's size for the caption
    int Left = Field_Left; // of the field
    int Width = Field_Width;
};

// The caption is a check box, which has a hint of its own (a label has none).
bool Caption_Is_Check(const TPanel_Row& row);

// The first text of each field control, in the order of Row_Field_Names: the octets of
// dotted values one by one.
std::vector<std::string> Row_Initial_Texts(const TPanel_Row& row);

// The number of text-table entries of a row: the caption's and one hint per control.
int Row_Text_Count(const TPanel_Row& row);

// The names of a row's field controls: one, four octet edits or three version check boxes
// (none for a check box alone).
std::vector<std::string> Row_Field_Names(const TPanel_Row& row);

struct TComm_Panel_Info {
    TComm_Panel Panel;
    std::string Name; // "CP_CANopen"
    std::vector<TPanel_Row> Rows;
};

// Every panel, in the order of TComm_Panel.
const std::vector<TComm_Panel_Info>& Comm_Panels();
const TComm_Panel_Info& Comm_Panel(TComm_Panel panel);
