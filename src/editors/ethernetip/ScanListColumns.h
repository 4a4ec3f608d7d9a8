#pragma once

// The columns of the scan list grid; each stores the row attribute of the same position.
enum TScanListColumn : int {
    Col_Enable = 1,
    Col_IP_Address,
    Col_Start_Input,
    Col_Num_Input,
    Col_Start_Output,
    Col_Num_Output,
    Col_Time_Poll,
    Col_Instance_T_O,
    Col_Conn_Point_T_O,
    Col_Instance_O_T,
    Col_Conn_Point_O_T,
    Col_Dim_Header_T_O,
    Col_Dim_Header_O_T,
    Col_Enable_Key,
    Col_Electronic_Key,
    Col_Enable_Segment,
    Col_Data_Segment,
    Col_Mnemonic,
};

// The scan list holds this many targets, in grid rows 1 onwards.
constexpr int Scan_List_Targets = 10;
