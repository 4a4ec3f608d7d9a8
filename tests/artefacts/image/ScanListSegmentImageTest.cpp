#include "artefacts/image/BankProject.h"
#include "editors/ethernetip/ScanListHarness.h"
#include "grid/control/ExtStringGrid.h"

// A data segment edited value by value in the scan list reaches the target's segment block
// of bank.bin exactly as the window wrote it.
TEST_F(BankProject, PlacesTheSegmentEditedInTheScanList)
{
    TScanListHarness h;
    WriteTestFile(h.File, Rules_File_With_Configuration);
    h.Show([&](TFEtherNetIP_Master_Access& w) {
        h.dialogs.OnModal([](TCustomForm& form) {
            TExtStringGrid& grid = *static_cast<TFEtherNetIP_Data_Seg&>(form).ESG_DataSeg;
            grid.SetCells(4, 1, "16");
            // What a pick in the value cell's list leaves: the entry's text and its change event.
            grid.SetCells(4, 2, "Fast");
            grid.OnComboChange(&grid, 4, 2, 1, "Fast");
            static_cast<TFEtherNetIP_Data_Seg&>(form).Btn_OK->Click();
        });
        w.ECG->OnDblClickCell(w.ECG, 1, Col_Data_Segment);
        w.Btn_OK->Click();
    });
    ASSERT_EQ(h.window->ModalResult(), mrOk);

    const std::string image = Build();
    EXPECT_EQ(Hex_Bytes(image, Target_Records, 4), "0A 00 00 01");
    const size_t segment = U32_At(image, Target_Records + 0x24) - 0x5A000;
    // Its length in bytes with the segment header, the data segment type and its length in words.
    EXPECT_EQ(Hex_Bytes(image, segment, 7), "05 00 80 02 10 00 05");
}
