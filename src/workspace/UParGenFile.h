#pragma once
#include <array>
#include <optional>
#include <string>

// ParGen.xml: the communication parameters of one project, as the communication-parameter
// window holds them. Octets and numbers are kept as the user typed them; the window checks
// them before saving, the readers of the file convert them.

extern const std::string ParGen_Root_Name;             // "Par_Gen"
extern const std::string ParGen_Version_Comment;       // "SW_VERSION = 1.002"
extern const std::string EtherNetIP_Master_Port_Const; // "44818", the only port the master uses

// The entries of the CANopen bit-rate list, "10K" to "1000K"; the file stores the position.
extern const std::array<std::string, 9> CANopen_Baudrate_Items;
constexpr int CANopen_Baudrate_Default = 5; // "250K"

using TOctet_Texts = std::array<std::string, 4>;

struct TParGen_Data {
    TOctet_Texts EtherNetIP_Master_IP{"192", "168", "0", "5"};
    TOctet_Texts EtherNetIP_Master_SM{"255", "255", "255", "0"};
    TOctet_Texts EtherNetIP_Master_GAT{"192", "168", "0", "1"};
    bool EtherNetIP_Master_EN_GAT = false;
    std::string CANopen_IDDevice = "1";
    int CANopen_Baudrate = CANopen_Baudrate_Default; // position in CANopen_Baudrate_Items
    bool CANopen_SetOpe = false;
    bool CANopen_NetOpe = false;
    std::string CANopen_NetOpe_Delay = "0";
    std::string CANopen_SDO_Timeout = "10000";

    bool operator==(const TParGen_Data&) const = default;
};

// Fills data from the file. Every field first takes its default, so nothing of what data
// held before survives. A missing file, a missing element or one whose text cannot be used
// leaves that field at its default. A damaged file gives what was read whole before the
// damage and returns the message that says what is wrong, for the user; a whole file
// returns "". A file that cannot be read at all (not a regular file, no right to read it)
// raises EXMLDocError and leaves every field at its default. The root is the document's
// first element, whatever precedes it.
std::string Load_ParGen_File(const std::string& path, TParGen_Data& data);

// Writes the whole file, replacing any earlier one: the root, the version comment after it,
// and every element in its fixed order. Raises EFCreateError when it cannot be written.
void Save_ParGen_File(const std::string& path, const TParGen_Data& data);

// The check before saving: the text-table entry of the first field that fails (450-461 for
// the master's addresses, 765-767 for CANopen), or nothing when every field passes.
std::optional<int> ParGen_Check_Error(const TParGen_Data& data);

// What OK does: the check, then the file only when every field passed. Returns the check's
// failure, in which case nothing is written.
std::optional<int> Check_And_Save_ParGen(const std::string& path, const TParGen_Data& data);
