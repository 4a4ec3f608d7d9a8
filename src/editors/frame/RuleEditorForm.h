#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editors/frame/RuleTable.h"
#include "workspace/UTitledForm.h"

class TExtColumnGrid;
class TPageControl;
class TTabSheet;
class TStringList;

// The skeleton of every rule table editor: the title, one or two rule grids (on the pages
// of PageControl1 when two), the six row buttons, and the rule file that each show loads
// and OK rewrites as a whole. The grid cells are the working copy; nothing between the
// window and its file. A window declares its TRuleWindow and, where it has rules beyond
// single cells, overrides Check_Row or Check_Across_Rows.
class TRuleEditorForm : public TTitledForm {
public:
    TRuleEditorForm(TComponent* owner, const TRuleWindow& window);
    ~TRuleEditorForm() override;

    void Set_Lang() override;
    // Checks the tables in grid order and shows the first broken rule.
    virtual bool Controllo_dati();

    virtual void FormShow();
    // Validates, refuses rows the file would drop, writes the file and closes.
    virtual void Btn_OK_Click();
    virtual void Btn_DelRow_Click();
    virtual void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    void GridHint(TObject* Sender, int ARow, int ACol, std::string& hintstr);
    void ClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DblClickCell(TObject* Sender, int ARow, int ACol);
    void Grid_KeyPress(TObject* Sender, char32_t& Key);

    // The grid of the active page (the only grid in one-grid windows).
    TExtColumnGrid* Active_Grid() const;
    int Active_Table() const;

    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TPageControl* PageControl1 = nullptr; // two-grid windows only
    std::vector<TTabSheet*> Sheets;
    std::vector<TExtColumnGrid*> Grids;
    // Per grid: the header hints (entry k for column k + 1) and whether the last Copy Row
    // of this window was done in it.
    std::vector<std::unique_ptr<TStringList>> Hints;
    std::vector<bool> Do_Copy;

protected:
    void DoShow() override;
    // The message of the first rule a row breaks (it follows "Error row " and the row
    // number), or "" when the row passes.
    virtual std::string Check_Row(int Table, int Row) const;
    // Rules over all rows; the whole message, or "" when they pass.
    virtual std::string Check_Across_Rows() const { return ""; }
    // In a table with an Enable box: whether OK checks the row.
    virtual bool Is_Enabled(int Table, int Row) const;
    // How many rows from row 1 on the file keeps: those before the first blank key.
    virtual int Rule_Rows(int Table) const;
    // Writes the rule file from the grids.
    virtual void Save_Rules();
    // What a window adds once a row element of its file filled a row (see TRuleRowLoaded).
    virtual void Loaded_Row(int /*Table*/, int /*Row*/, const std::vector<bool>& /*Present*/) {}
    // "Error row " and the row number followed by the rule's text.
    std::string Row_Error(int Row, const std::string& Rule) const;
    std::string Cell(int Table, int Col, int Row) const;
    void Clear_Grids();
    void Show_Error(const std::string& Text) const;

    const TRuleWindow& Window;

private:
    // Shows the error of the first row that the file would drop although it, or a row
    // after it, holds data; false then.
    bool Keeps_Every_Row() const;
    // Every grid shows its top rows with the first editable cell of row 1 current, and the
    // grid of the active page has the focus: the first key a user types after opening goes
    // to a cell, not to OK.
    void Ready_For_Keys();
    void Build_Grid(const TRuleTable& Table, TWinControl* Parent);
    int Table_Of(TObject* Sender) const;
};
