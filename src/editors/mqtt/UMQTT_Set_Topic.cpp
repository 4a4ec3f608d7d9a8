#include "editors/mqtt/UMQTT_Set_Topic.h"

#include <algorithm>

#include "editors/frame/ComboColumn.h"
#include "editors/mqtt/UTopicTemplate.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ComCtrls.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {
enum { Pub_Grid = 0, Sub_Grid = 1 };
enum { Topic_Name = 1, Topic_Retained, Topic_QoS, Topic_Data_Type, Topic_Dimension, Topic_Position };

TRuleColumn MQTT_Column(const char* Attribute, int Width, const char* Default = "")
{
    TRuleColumn column{Attribute, Width, clWhite};
    column.Default = Default;
    return column;
}

TRuleColumn Required_Topic_Column(const char* Attribute, int Width, bool CheckBox = false)
{
    TRuleColumn column = MQTT_Column(Attribute, Width, nullptr);
    column.CheckBox = CheckBox;
    return column;
}

TRuleColumn Topic_Check_Box(const char* Attribute, int Width, const char* Default)
{
    TRuleColumn column = MQTT_Column(Attribute, Width, Default);
    column.CheckBox = true;
    return column;
}

// What differs between the publish and the subscribe grid.
struct TMQTTGridTexts {
    std::vector<int> Headers; // columns 0 onwards
    std::vector<int> Hints;   // columns 1 onwards
    std::vector<int> Hidden;  // real columns
    int Template_Column;
    int Data_Type_Text; // then the three dimension texts and the position text
    int Template_Text;
};

const TMQTTGridTexts Grid_Texts[] = {
    {{1814, 1815, 1816, 1817, 1837, 1838, 1839, 1862, 1863, 1835, 1881, 1818},
     {1819, 1820, 1821, 1840, 1841, 1842, 1864, 1865, 1836, 1882, 1822},
     {7, 8, 10},
     9,
     1852,
     1878},
    {{1824, 1825, 1826, 1827, 1843, 1844, 1845, 1866, 1867, 1868, 1869, 1846, 1828},
     {1829, 1830, 1831, 1847, 1848, 1849, 1870, 1871, 1872, 1873, 1850, 1832},
     {2, 7, 8, 9, 10},
     11,
     1857,
     1880},
};

TRuleTable MQTT_Table(const char* Grid, const char* Sheet, const char* Section, int FirstHeader,
                      int FirstHint, std::vector<TRuleColumn> Columns)
{
    return {Grid,        Sheet,
            Section,     1024,
            FirstHeader, FirstHint,
            0,           MQTT_Last_Position + 1,
            false,       std::move(Columns)};
}

const TRuleWindow MQTT_Window{
    1800,
    1100,
    &File_MQTT_Set_Topic,
    "MQTT_Set_Topic",
    nullptr,
    1851,
    1823,
    1899,
    {MQTT_Table("ECG_Pub", "TS_MQTT_Publish", "MQTT_Publish", 1814, 1819,
                {Required_Topic_Column("Topic", 300), Required_Topic_Column("Retained", 60, true),
                 Required_Topic_Column("QoS", 80), MQTT_Column("DataType", 80), MQTT_Column("Dimension", 80),
                 MQTT_Column("Position", 80), MQTT_Column("IPAddress", 100),
                 MQTT_Column("InputTemplate", 120), MQTT_Column("Template", 130),
                 Topic_Check_Box("OnChange", 75, "N"), Required_Topic_Column("Mnemonic", 220)}),
     MQTT_Table("ECG_Sub", "TS_MQTT_Subscribe", "MQTT_Subscribe", 1824, 1829,
                {Required_Topic_Column("Topic", 300), Required_Topic_Column("Retained", 60, true),
                 Required_Topic_Column("QoS", 80), MQTT_Column("DataType", 80), MQTT_Column("Dimension", 80),
                 MQTT_Column("Position", 80), MQTT_Column("IPAddress", 100), MQTT_Column("Port", 50),
                 MQTT_Column("EthType", 64), MQTT_Column("InputTemplate", 130), MQTT_Column("Template", 130),
                 Required_Topic_Column("Mnemonic", 220)})}};

// The dimensions a data type allows; 0: any dimension above 0.
bool Dimension_Fits(const std::string& DataType, int Dimension, int& Rule)
{
    if (DataType == "INT") {
        Rule = 1;
        return Dimension == 1 || Dimension == 2 || Dimension == 4 || Dimension == 8;
    }
    if (DataType == "FLOAT") {
        Rule = 2;
        return Dimension == 4 || Dimension == 8;
    }
    Rule = 3;
    return Dimension > 0;
}
} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* owner)
    : TRuleEditorForm(owner, MQTT_Window), ECG_Pub(Grids[Pub_Grid]), ECG_Sub(Grids[Sub_Grid])
{
    for (int t = Pub_Grid; t <= Sub_Grid; ++t) {
        TExtColumnGrid& grid = *Grids[t];
        Set_Combo_Column(grid, Topic_QoS, edComboList, {"0", "1", "2"});
        Set_Combo_Column(grid, Topic_Data_Type, edComboList, {"Int", "Float", "String", "Base64"});
        Set_Combo_Column(grid, Grid_Texts[t].Template_Column, edComboEdit, {"$VALUE$"});
        grid.OnGridHint = [this](TObject* s, int r, int c, std::string& h) { ECG_MQTT_GridHint(s, r, c, h); };
        // A click on a row number selects nothing here.
        grid.OnClickCell = nullptr;
    }
    Set_Combo_Column(*ECG_Sub, 9, edComboList, {"TCP", "UDP"});
}

void TFMQTT_Set_Topic::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    for (int t = Pub_Grid; t <= Sub_Grid; ++t) {
        const TMQTTGridTexts& texts = Grid_Texts[t];
        Sheets[t]->SetCaption(Lang_Table[1833 + t]);
        for (size_t c = 0; c < texts.Headers.size(); ++c)
            Grids[t]->Columns()->Items(static_cast<int>(c))->SetHeader(Lang_Table[texts.Headers[c]]);
        Hints[t]->Clear();
        for (const int hint : texts.Hints)
            Hints[t]->Add(Lang_Table[hint]);
    }
}

void TFMQTT_Set_Topic::FormShow()
{
    for (int t = Pub_Grid; t <= Sub_Grid; ++t) {
        TExtColumnGrid& grid = *Grids[t];
        grid.UnHideColumnsAll();
        for (const int col : Grid_Texts[t].Hidden)
            grid.HideColumn(col);
        grid.SetRowCount(Window.Tables[t].Rules + 1);
    }
    Sheets[Sub_Grid]->SetTabVisible(true);
    TRuleEditorForm::FormShow();
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const std::string& Str)
{
    return std::count(Str.begin(), Str.end(), '$') % 2 != 0;
}

std::string TFMQTT_Set_Topic::Check_Row(int Table, int Row) const
{
    const TMQTTGridTexts& texts = Grid_Texts[Table];
    const TExtColumnGrid& grid = *Grids[Table];
    const std::string type = UpperCase(Trim(Cell(Table, Topic_Data_Type, Row)));
    if (!grid.IsHiddenColumn(Topic_Data_Type) && type.empty()) return Lang_Table[texts.Data_Type_Text];
    int rule = 0;
    if (!grid.IsHiddenColumn(Topic_Dimension) &&
        !Dimension_Fits(type, Rule_Number(Cell(Table, Topic_Dimension, Row)), rule))
        return Lang_Table[texts.Data_Type_Text + rule];
    const int position = Rule_Number(Cell(Table, Topic_Position, Row));
    if (!grid.IsHiddenColumn(Topic_Position) && (position < 0 || position > MQTT_Last_Position))
        return Lang_Table[texts.Data_Type_Text + 4];
    if (!grid.IsHiddenColumn(texts.Template_Column) &&
        Error_In_Topic_Template(Trim(Cell(Table, texts.Template_Column, Row))))
        return Lang_Table[texts.Template_Text];
    return "";
}

int TFMQTT_Set_Topic::Table_Of_Grid(TObject* Sender) const { return Sender == ECG_Sub ? Sub_Grid : Pub_Grid; }

void TFMQTT_Set_Topic::ECG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr)
{
    if (ARow != 0) return;
    const int table = Table_Of_Grid(Sender);
    const int real = Grids[table]->RealColIndex(ACol);
    if (real > 0 && real <= Hints[table]->Count()) hintstr = (*Hints[table])[real - 1];
}

void TFMQTT_Set_Topic::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    TRuleEditorForm::DblClickCell(Sender, ARow, ACol);
    const int table = Table_Of_Grid(Sender);
    const TExtColumnGrid& grid = *Grids[table];
    // The header row only sizes its column.
    if (ARow > 0 && grid.RealCol() == Grid_Texts[table].Template_Column)
        Show_Form_Topic(Sender, grid.RealRow(), grid.RealCol());
}

void TFMQTT_Set_Topic::Show_Form_Topic(TObject* Sender, int ARow, int ACol)
{
    const int table = Table_Of_Grid(Sender);
    TExtColumnGrid& grid = *Grids[table];
    TFTopicTemplate& editor = *FTopicTemplate;
    editor.TopicTemplate = ACol == Grid_Texts[table].Template_Column ? 1 : 0;
    editor.RE_TopicTemplate->Clear();
    editor.RE_TopicTemplate->SetText(grid.Cells(ACol, ARow));
    if (editor.ShowModal() == mrOk) grid.SetCells(ACol, ARow, editor.RE_TopicTemplate->Text());
}
