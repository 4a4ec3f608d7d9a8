#include <gtest/gtest.h>

#include "../../control/GridOnForm.h"
#include "PythonReader.h"
#include "support/TestFiles.h"

namespace {

// Column 1 right-aligned, column 2 centred.
class AlignedGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override
    {
        TExtStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
        if (ACol == 1) HAlign = taRightJustify;
        if (ACol == 2) HAlign = taCenter;
    }
};

class DocumentExchangeTest : public GridOnFormOf<AlignedGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<AlignedGrid>::SetUp();
        if (!PythonModuleAvailable("docx")) GTEST_SKIP() << "python3-docx is not installed";
        grid->SetColCount(3);
        grid->SetRowCount(2);
        const char* texts[2][3] = {{"Name", "Value", "Unit"}, {"Größe", "1.5", "m\nm"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                grid->SetCells(c, r, texts[r][c]);
    }
    // The body's paragraphs and tables in order: "p:text" or "t:rows x columns".
    std::string BodyOf(const std::string& File)
    {
        const std::string script =
            "import sys, docx\n"
            "d = docx.Document(sys.argv[1])\n"
            "tables = iter(d.tables); paragraphs = iter(d.paragraphs)\n"
            "for el in d.element.body.iterchildren():\n"
            "    tag = el.tag.split(\"}\")[1]\n"
            "    if tag == \"p\": print(\"p:\" + next(paragraphs).text)\n"
            "    if tag == \"tbl\": t = next(tables); print(\"t:%dx%d\" % (len(t.rows), len(t.columns)))\n";
        return RunPython(script, File);
    }
    // Paragraphs Intro, Here and End; Here holds the bookmark "mark" when the name ends in b.docx.
    void MakeDocument(const std::string& File)
    {
        const std::string script = "import sys, docx\n"
                                   "from docx.oxml import OxmlElement\n"
                                   "from docx.oxml.ns import qn\n"
                                   "d = docx.Document(); d.add_paragraph(\"Intro\"); p = "
                                   "d.add_paragraph(\"Here\"); d.add_paragraph(\"End\")\n"
                                   "b = OxmlElement(\"w:bookmarkStart\"); b.set(qn(\"w:id\"), \"0\"); "
                                   "b.set(qn(\"w:name\"), \"mark\")\n"
                                   "if sys.argv[1].endswith(\"b.docx\"): p._p.insert(0, b)\n"
                                   "d.save(sys.argv[1])\n";
        ASSERT_EQ(RunPython(script, File), "");
    }

    TempDir dir;
};

TEST_F(DocumentExchangeTest, ANewDocumentStartsWithTheTableAndKeepsAlignment)
{
    grid->SaveToDOC(dir.File("t.docx"), true);
    const std::string script = "import sys, docx\n"
                               "t = docx.Document(sys.argv[1]).tables[0]\n"
                               "for row in t.rows:\n"
                               "    print(\"|\".join(c.text.replace(\"\\n\", \"~\") + \"/\" + "
                               "str(c.paragraphs[0].alignment) for c in row.cells))\n";
    EXPECT_EQ(RunPython(script, dir.File("t.docx")),
              "Name/None|Value/RIGHT (2)|Unit/CENTER (1)\nGröße/None|1.5/RIGHT (2)|m~m/CENTER (1)\n");
    EXPECT_EQ(BodyOf(dir.File("t.docx")), "t:2x3\np:\np:\n");
}

// A cell's own alignment reaches the document too, as the event's does.
TEST_F(DocumentExchangeTest, CellAlignmentsReachTheDocument)
{
    grid->SetAlignments(0, 0, taRightJustify);
    grid->SetAlignments(0, 1, taCenter);
    grid->SaveToDOC(dir.File("t.docx"), true);
    const std::string script = "import sys, docx\n"
                               "t = docx.Document(sys.argv[1]).tables[0]\n"
                               "for row in t.rows:\n"
                               "    print(\"|\".join(str(c.paragraphs[0].alignment) for c in row.cells))\n";
    EXPECT_EQ(RunPython(script, dir.File("t.docx")),
              "RIGHT (2)|RIGHT (2)|CENTER (1)\nCENTER (1)|RIGHT (2)|CENTER (1)\n");
}

TEST_F(DocumentExchangeTest, AppendingPlacesTheTableAtTheBookmarkOrAtTheEnd)
{
    const struct {
        const char* file;
        const char* bookmark;
        const char* body;
    } cases[] = {
        {"b.docx", "mark", "p:\np:Intro\nt:2x3\np:Here\np:End\n"},
        {"n.docx", "mark", "p:\np:Intro\np:Here\np:End\np:\nt:2x3\np:\n"},
        {"e.docx", "", "p:\np:Intro\np:Here\np:End\np:\nt:2x3\np:\n"},
    };
    for (const auto& c : cases) {
        const std::string file = dir.File(c.file);
        MakeDocument(file);
        grid->AppendToDoc(file, c.bookmark);
        EXPECT_EQ(BodyOf(file), c.body) << c.file;
    }
}

TEST_F(DocumentExchangeTest, LegacyAndMissingDocumentsAreRefused)
{
    WriteTestFile(dir.File("old.doc"), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest", 13));
    EXPECT_THROW(grid->AppendToDoc(dir.File("old.doc"), ""), EExtGridError);
    EXPECT_THROW(grid->SaveToDOC(dir.File("old.doc"), false), EExtGridError);
    EXPECT_EQ(ReadTestFile(dir.File("old.doc")).size(), 13u);
    EXPECT_THROW(grid->AppendToDoc(dir.File("missing.docx"), ""), Exception);
}

} // namespace
