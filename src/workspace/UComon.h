#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"

// The program-wide variables through which the windows share the open project, the
// program directories, the product identity, the last update's settings and the option
// flags. Only the GUI thread reads or writes them.

extern const std::string SW_Code_Const;         // "CF30605"
extern const std::string SW_Desc_Const;         // "EtherNet/IP Master / CANopen - Converter"
extern const std::string SW_Update_Code_Const;  // "CF30628", the code the version service knows

extern std::string Project_Name;
extern std::string Project_Dir;  // empty while no project is open
extern std::string Exe_Dir;      // no trailing "/"
extern std::string Master_Dir;
extern std::string Projects_Dir;
extern std::string Language_Dir;
extern std::string Main_Title;
extern std::string SW_Code;
extern std::string SW_Desc;
extern std::string Last_IP_Address;
extern int32_t Update_Option;     // 0 firmware and configuration, 1 firmware, 2 configuration
extern uint8_t Update_Read_Back;  // 0 or 1
extern std::string Language_Name;
extern uint8_t Opt_Enable_Internet;
extern uint8_t Opt_Enable_Update;
extern uint8_t Opt_Jump_Field_Tables;
extern uint8_t Opt_Double_Click_Auto_Size;

extern TStringList Copy_Row_Buffer;
extern TStringList MIB_Read_Desc_List;
extern TStringList MIB_Write_Desc_List;

// Full paths of the project files, set by Set_Files when a project is created or opened.
extern std::string File_ParGen;
extern std::string File_EtherNetIP_Master_Rules;
extern std::string File_SNMP_Trap;
extern std::string File_CAN_Rec_Frames;
extern std::string File_CAN_Send_Frames;
extern std::string File_BACnet_Slave_SetAccess;
extern std::string File_KNX_SetAccess;
extern std::string File_MQTT_Set_Topic;
extern std::string File_SDO_Server_CANopen;
extern std::string File_SDO_Client_CANopen;
extern std::string File_PDO_CANopen;

// Sets Exe_Dir and the three directories beside it.
void Set_Program_Dirs(const std::string& exeDir);

// True when the text is a dotted IPv4 address of four numbers 0 to 255; the four parts
// come back trimmed, first part first.
bool Check_IP_Address(const std::string& text, std::string& part1, std::string& part2, std::string& part3,
                      std::string& part4);

// Converts a dotted IPv4 text into four bytes; true on error. Every byte is set on every
// path (0 for a part that is not a number from 0 to 255).
bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4);

bool Is_Group_Address(const std::string& text);

// 0 when the text is a valid KNX address of the kind asked for, 1 otherwise.
int Check_KNX_Address(const std::string& text, bool group, bool allowZero);

// The numbers of the serial ports present, ascending, as decimal texts.
std::unique_ptr<TStringList> Get_COM_Port_List();
