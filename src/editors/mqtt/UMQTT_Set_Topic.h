#pragma once
#include "editors/frame/RuleEditorForm.h"

// The MQTT topics an MQTT converter publishes (grid ECG_Pub) and subscribes to (ECG_Sub),
// each tied to a place in the converter's data array; stored in MQTT_Set_Topic.xml. Some
// columns keep an Ethernet side of the rule that this window neither shows nor checks: they
// are hidden, and their cells go from the file back to the file unchanged.
class TFMQTT_Set_Topic : public TRuleEditorForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* owner);

    void Set_Lang() override;
    void FormShow() override;
    // True when the text holds an odd number of "$": keywords stand between pairs of "$".
    static bool Error_In_Topic_Template(const std::string& Str);
    // The header hint of the real column under the display column ACol.
    void ECG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr);
    // A double click on a Template cell edits it in the topic template window.
    void DblClickCell(TObject* Sender, int ARow, int ACol) override;
    void Show_Form_Topic(TObject* Sender, int ARow, int ACol);

    TExtColumnGrid* ECG_Pub;
    TExtColumnGrid* ECG_Sub;

protected:
    std::string Check_Row(int Table, int Row) const override;

private:
    int Table_Of_Grid(TObject* Sender) const;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;

// The highest index of the data array that topic positions address.
constexpr int MQTT_Last_Position = 1439;
