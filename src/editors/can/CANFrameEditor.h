#pragma once
#include "editors/frame/RuleEditorForm.h"

// Where the two CAN frame windows keep what they share, and the texts of its rules.
struct TCANFrameLayout {
    int CobID;
    int Type;
    int Dimension;
    int FirstByte; // Byte1; Byte2 to Byte8 follow
    // The box that asks for a timer and the time it checks; 0 when the frames have none.
    int Timer;
    int Time;
    int Time_Text;
    int Range_11_Text;
    int Range_29_Text;
    // "!! Byte1 must be between 0 and "; " or None" follows it, then Byte2's text and on.
    int Byte1_Text;
};

// The CAN frame windows: a frame's identifier ranges follow its type, and each byte it
// carries has a position of the exchange array, or "None".
class TCANFrameEditor : public TRuleEditorForm {
public:
    TCANFrameEditor(TComponent* owner, const TRuleWindow& window, const TCANFrameLayout& layout);

    void FormShow() override;

    // Size of the exchange array that the byte positions index.
    int MAX_Byte = 1500;

protected:
    std::string Check_Row(int Table, int Row) const override;
    bool Is_Enabled(int Table, int Row) const override;

private:
    std::string Byte_Rule(int Row, int Byte) const;

    const TCANFrameLayout& Layout;
};

// The type whose identifiers have 11 bits; any other text stands for 29 bits.
extern const char* const CAN_Type_11_Bits;
