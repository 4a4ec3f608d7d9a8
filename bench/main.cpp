// Times the configurator's heavy operations on the largest inputs it accepts:
//   vantrel_bench [eds-file]
// Without an argument the largest EtherNet/IP fixture of the shared fixtures is imported.
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/window/UCreate_Windows.h"
#include "artefacts/descriptions/UEds.h"
#include "artefacts/image/USaveBincc.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/EdsImport.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/Filter.h"
#include "grid/foundation/model/BaseGrid.h"
#include "platform/ui/Forms.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/Input.h"
#include "workspace/UComon.h"
#include "workspace/UProjects.h"

namespace {
void Time(const char* what, int runs, const std::function<void()>& work)
{
    work();  // warm the file cache
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-48s %8.2f ms\n", what, std::chrono::duration<double, std::milli>(elapsed).count() / runs);
}

std::string LargestFixture()
{
    // The fixtures the build found, so that a worktree away from them times the same file.
    const std::filesystem::path dir = std::filesystem::path(VANTREL_FIXTURES) / "eds-eip";
    std::string largest;
    std::uintmax_t size = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".eds" && entry.file_size() > size) {
            size = entry.file_size();
            largest = entry.path().string();
        }
    return largest;
}

std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

std::string ByteList(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i) {
        if (i > 0) list += ',';
        list += std::to_string(i % 256);
    }
    return list;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The largest project the image's tables allow: every rule table full and ten targets
// with full electronic keys and data segments.
void WriteLargestImageProject()
{
    const std::string sdoServer = R"(<row Index="0x2000" SubIndex="1" NByte="4" Address_B1="7" Address_B2="8")"
                                  R"( Address_B3="9" Address_B4="10"/>)";
    WriteFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + Repeat(sdoServer, 512) +
                                           "</SDO_Read><SDO_Write>" + Repeat(sdoServer, 512) +
                                           "</SDO_Write></SDO_Server_CANopen>");
    const std::string sdoClient = R"(<row Device_ID="2" Index="0x2000" SubIndex="1" NByte="1" Poll_Time="5")"
                                  R"( Address_B1="7" On_Change="Y"/>)";
    WriteFile(File_SDO_Client_CANopen, "<SDO_Client_CANopen><SDO_Read>" + Repeat(sdoClient, 256) +
                                           "</SDO_Read><SDO_Write>" + Repeat(sdoClient, 256) +
                                           "</SDO_Write></SDO_Client_CANopen>");
    const std::string pdo = R"(<row COB-ID="0x201" Dimension="1" Address_B1="7" TimeOut="0" Send_Time="0")"
                            R"( On_Change="N"/>)";
    WriteFile(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO>" + Repeat(pdo, 128) + "</Receive_PDO><Transmit_PDO>" +
                                    Repeat(pdo, 128) + "</Transmit_PDO></PDO_CANopen>");
    const std::string target = R"(<row Enable="Y" IP_Address="10.0.0.1" Num_Input="1" EnableElectronicKey="Y")"
                               R"( EnableDataSegment="Y" ElectronicKey=")" +
                               ByteList(97) + R"(" DataSegment=")" + ByteList(510) + "\"/>";
    WriteFile(File_EtherNetIP_Master_Rules,
              "<EtherNetIP_Master_Access>" + Repeat(target, 10) + "</EtherNetIP_Master_Access>");
}
// A full repaint and a one-row scroll of a full-screen grid: a scroll shifts the painted
// cells and paints the new row only, so it must cost a small part of a full repaint.
void TimeGridPainting()
{
    TForm form(nullptr);
    form.AfterConstruction();
    form.SetClientSize(1600, 1000);
    auto* grid = new TBaseGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 1600, 1000);
    grid->SetColCount(30);
    grid->SetRowCount(5000);
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 30; ++c)
            grid->SetCells(c, r, "Cell " + std::to_string(c) + "." + std::to_string(r));
    form.Show();
    Application->ProcessMessages();
    Time("grid 1600 x 1000: full repaint", 20, [&] { grid->Repaint(); });
    int step = 1;
    Time("grid 1600 x 1000: scroll by one row", 100, [&] {
        if (grid->TopRow() >= 150) step = -1;
        if (grid->TopRow() <= grid->FixedRows()) step = 1;
        grid->SetTopRow(grid->TopRow() + step);
        grid->Update();
    });
    // A key that moves the current cell below the last row shown scrolls by one row.
    grid->SetRow(grid->TopRow() + grid->VisibleRowCount() - 1);
    Time("grid 1600 x 1000: down key that scrolls", 100, [&] {
        if (grid->Row() >= grid->RowCount() - 1) grid->SetRow(grid->FixedRows());
        PressKey(VK_DOWN, {}, grid);
        grid->Update();
    });
}

// The rule editor with the most rows, opened on a file that fills both its tables.
void TimeRuleEditorOpening()
{
    const std::string row = R"(<row Index="0x2000" SubIndex="1" NByte="4" Address_B1="7" Address_B2="8")"
                            R"( Address_B3="9" Address_B4="10" Mnemonic="Speed of the second axis"/>)";
    WriteFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + Repeat(row, 500) +
                                           "</SDO_Read><SDO_Write>" + Repeat(row, 500) +
                                           "</SDO_Write></SDO_Server_CANopen>");
    TComponent owner(nullptr);
    auto* window = new TFSet_SDO_Server_Access(&owner);
    window->AfterConstruction();
    Time("open the SDO server editor (500 + 500 rows)", 10, [&] {
        window->Show();
        Application->ProcessMessages();
        window->Hide();
    });
}

// A full repaint of a window that shows 60 rows of 20 columns whose cells all hold markup:
// every visible cell passes the markup renderer.
void TimeMarkupGridPainting()
{
    constexpr int cols = 20, rows = 60, colWidth = 64, rowHeight = 22;
    TForm form(nullptr);
    form.SetClientSize(cols * colWidth + 8, rows * rowHeight + 8);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, cols * colWidth + 4, rows * rowHeight + 4);
    grid->SetColCount(cols);
    grid->SetRowCount(1000);
    grid->SetDefaultColWidth(colWidth);
    grid->SetDefaultRowHeight(rowHeight);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid->SetCells(c, r,
                           "<b>" + std::to_string(r) + "</b>.<font color=\"clRed\">" + std::to_string(c) +
                               "</font>");
    form.Show();
    TBitmap canvas;
    canvas.SetSize(grid->Width(), grid->Height());
    Time("paint a 60 x 20 window of markup cells", 20, [&] { grid->PaintTo(canvas.Canvas(), 0, 0); });
}

// Typing in a cell's text editor costs what the editor and its cell cost, whatever the
// number of rows: the two row counts must print about the same time.
void TimeTypingInACell()
{
    for (const int rows : {500, 50000}) {
        TForm form(nullptr);
        form.AfterConstruction();
        form.SetClientSize(800, 600);
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 800, 600);
        grid->SetColCount(10);
        grid->SetRowCount(rows);
        grid->SetOptions(grid->Options() + goEditing);
        form.Show();
        grid->SetFocus();
        grid->MoveCurrentCell(1, rows / 2);
        grid->Lookup = true;
        grid->LookupItems()->Add("Alpha");
        grid->LookupItems()->Add("Beta");
        SendKey(VK_F2);
        // "B" completes to "Beta"; two Backspaces take the completion and the letter away.
        Time(("cell editor: 3 keys with lookup, " + std::to_string(rows) + " rows").c_str(), 200, [&] {
            SendText("B");
            SendKey(VK_BACK);
            SendKey(VK_BACK);
        });
        SendKey(VK_ESCAPE);
        // Each run is one key: a letter, then the Backspace that takes it away again, while
        // the column and the wrapping row follow the typed text.
        grid->Lookup = false;
        grid->SetWordWrap(true);
        grid->SizeWhileTyping()->Width = true;
        grid->SizeWhileTyping()->Height = true;
        SendKey(VK_F2);
        bool typed = false;
        Time(("cell editor: 1 key, sizing to it, " + std::to_string(rows) + " rows").c_str(), 400, [&] {
            if (typed)
                SendKey(VK_BACK);
            else
                SendText("w");
            typed = !typed;
        });
        SendKey(VK_ESCAPE);
    }
}
double MillisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Single runs on a shared machine swing up to twice their time: every figure side by side
// is the median of this many rounds, and a ratio is taken of medians from the same run.
constexpr int kRounds = 5;

double Median(std::vector<double> Times)
{
    std::sort(Times.begin(), Times.end());
    return Times[Times.size() / 2];
}

void PrintTime(const std::string& What, double Milliseconds)
{
    std::printf("%-56s %8.2f ms\n", What.c_str(), Milliseconds);
}

void PrintRatio(const std::string& What, double Grid, double Peer)
{
    std::printf("%-56s %8.2f x\n", ("ratio, " + What).c_str(), Grid / std::max(Peer, 0.001));
}

// The exchange figures' table: 100,000 rows of 10 columns; column 1 holds numbers, column
// 2 texts of which many tie, the others one text each, so that ties reach every column.
constexpr int kTableRows = 100000, kTableCols = 10;
using TTable = std::vector<std::vector<std::string>>;

TTable MakeTable(unsigned Seed)
{
    const auto next = [&Seed] { return Seed = Seed * 1103515245u + 12345u; };
    TTable rows(kTableRows, std::vector<std::string>(kTableCols));
    for (auto& row : rows) {
        row[0] = "row";
        row[1] = std::to_string(next() % 1000000);
        row[2] = "item ";
        row[2] += std::to_string(next() % 100000);
        for (int c = 3; c < kTableCols; ++c) row[c] = 'c' + std::to_string(c);
    }
    return rows;
}

// A grid with one fixed row above the table.
void FillGrid(TExtStringGrid& Grid, const TTable& Table)
{
    Grid.SetColCount(kTableCols);
    Grid.SetRowCount(static_cast<int>(Table.size()) + 1);
    for (size_t r = 0; r < Table.size(); ++r)
        for (int c = 0; c < kTableCols; ++c) Grid.SetCells(c, static_cast<int>(r) + 1, Table[r][c]);
}

double NumberOf(const std::string& Text)
{
    double value = 0;
    std::from_chars(Text.data(), Text.data() + Text.size(), value);
    return value;
}

// What the grid's sort does, written plainly over the same table: read each row's key from
// its text, order (key, row) pairs stably, break ties on the following columns, and move
// every row to its new place.
void SortTablePlainly(TTable& Table, int Col, bool Numeric)
{
    std::vector<std::pair<double, int>> numbers;
    std::vector<std::pair<std::string_view, int>> texts;
    for (int r = 0; r < static_cast<int>(Table.size()); ++r)
        if (Numeric)
            numbers.emplace_back(NumberOf(Table[r][Col]), r);
        else
            texts.emplace_back(Table[r][Col], r);
    const auto tieBreak = [&](int A, int B) {
        for (int c = Col + 1; c < kTableCols; ++c)
            if (const int order = Table[A][c].compare(Table[B][c]); order != 0) return order < 0;
        return false;
    };
    std::vector<int> order;
    const auto sortPairs = [&](auto& Pairs) {
        std::stable_sort(Pairs.begin(), Pairs.end(), [&](const auto& A, const auto& B) {
            return A.first != B.first ? A.first < B.first : tieBreak(A.second, B.second);
        });
        for (const auto& pair : Pairs) order.push_back(pair.second);
    };
    if (Numeric)
        sortPairs(numbers);
    else
        sortPairs(texts);
    TTable moved;
    moved.reserve(Table.size());
    for (const int r : order) moved.push_back(std::move(Table[r]));
    Table.swap(moved);
}

// The grid's in-place sort on one numeric and one text column, beside std::stable_sort of
// the bare keys (ready-made, nothing read, no ties broken, no row moved) and beside the
// same work as the grid's written plainly with std::stable_sort.
void TimeGridSort()
{
    // Per column: the grid's times, the bare keys', the plain sort's.
    std::vector<double> times[2][3];
    for (int round = 0; round < kRounds; ++round) {
        TForm form(nullptr);
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        for (const int col : {1, 2}) {
            // A fresh table each time, so the text sort finds rows that a sort has moved.
            TTable table = MakeTable(12345u + round * 2 + col);
            FillGrid(*grid, table);
            auto& columnTimes = times[col - 1];
            columnTimes[0].push_back(MillisecondsOf([&] { grid->Sort(col, sdAscending); }));
            std::vector<double> numbers;
            std::vector<std::string> texts;
            for (const auto& row : table)
                if (col == 1)
                    numbers.push_back(NumberOf(row[col]));
                else
                    texts.push_back(row[col]);
            columnTimes[1].push_back(MillisecondsOf([&] {
                if (col == 1)
                    std::stable_sort(numbers.begin(), numbers.end());
                else
                    std::stable_sort(texts.begin(), texts.end());
            }));
            columnTimes[2].push_back(MillisecondsOf([&] { SortTablePlainly(table, col, col == 1); }));
        }
    }
    for (const int col : {1, 2}) {
        const std::string kind = col == 1 ? "numeric" : "text";
        const double grid = Median(times[col - 1][0]), bare = Median(times[col - 1][1]),
                     plain = Median(times[col - 1][2]);
        PrintTime("grid Sort 100,000 x 10, " + kind + " column", grid);
        PrintTime("std::stable_sort of the bare " + kind + " keys", bare);
        PrintTime("std::stable_sort of (key, row), ties, rows moved", plain);
        PrintRatio(kind + " sort / bare keys", grid, bare);
        PrintRatio(kind + " sort / (key, row) doing the same work", grid, plain);
    }
}

// QSortFilterProxyModel over a QStandardItemModel of the same table, filtering on one
// column by the same condition as the grid: a number compare or a wildcard pattern.
class TNumberAboveProxy : public QSortFilterProxyModel {
public:
    explicit TNumberAboveProxy(double Limit) : FLimit(Limit) {}

protected:
    bool filterAcceptsRow(int SourceRow, const QModelIndex& SourceParent) const override
    {
        bool ok = false;
        const double value = sourceModel()->index(SourceRow, 1, SourceParent).data().toString().toDouble(&ok);
        return ok && value > FLimit;
    }

private:
    double FLimit;
};

// The grid's row filter with a numeric and a wildcard condition beside the proxy model: the
// grid moves the failing rows out of the grid, the proxy maps the rows that pass.
void TimeFilter()
{
    const TTable table = MakeTable(777u);
    TForm form(nullptr);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    FillGrid(*grid, table);
    QStandardItemModel model(kTableRows, kTableCols);
    for (int r = 0; r < kTableRows; ++r)
        for (int c = 0; c < kTableCols; ++c)
            model.setItem(r, c, new QStandardItem(QString::fromStdString(table[r][c])));

    struct TCondition {
        const char* Name;
        int Col;
        std::string Condition;
    };
    for (const TCondition& condition : {TCondition{"numeric >500000", 1, ">500000"},
                                        TCondition{"wildcard *12*", 2, "*12*"}}) {
        std::vector<double> gridTimes, proxyTimes;
        int gridRows = 0, proxyRows = 0;
        for (int round = 0; round < kRounds; ++round) {
            grid->Filter()->Clear();
            TFilterData& item = grid->Filter()->Add();
            item.Column = static_cast<int16_t>(condition.Col);
            item.Condition = condition.Condition;
            item.Data = fcNormal;
            gridTimes.push_back(MillisecondsOf([&] { grid->SetFilterActive(true); }));
            gridRows = grid->RowCount() - grid->FixedRows();
            grid->SetFilterActive(false);

            std::unique_ptr<QSortFilterProxyModel> proxy;
            if (condition.Col == 1)
                proxy = std::make_unique<TNumberAboveProxy>(500000);
            else
                proxy = std::make_unique<QSortFilterProxyModel>();
            proxyTimes.push_back(MillisecondsOf([&] {
                proxy->setSourceModel(&model);
                if (condition.Col == 2) {
                    proxy->setFilterKeyColumn(2);
                    proxy->setFilterRegularExpression(QRegularExpression(
                        QRegularExpression::wildcardToRegularExpression(QString::fromStdString(condition.Condition))));
                }
                proxyRows = proxy->rowCount();
            }));
        }
        if (gridRows != proxyRows)
            std::printf("rows kept differ: grid %d, proxy model %d\n", gridRows, proxyRows);
        const double gridMs = Median(gridTimes), proxyMs = Median(proxyTimes);
        PrintTime(std::string("grid filter 100,000 x 10, ") + condition.Name, gridMs);
        PrintTime(std::string("QSortFilterProxyModel, ") + condition.Name, proxyMs);
        PrintRatio(std::string("filter ") + condition.Name + " / proxy model", gridMs, proxyMs);
    }
}

// Saving a CSV file of 100,000 x 10 cells and loading it into a new grid, beside Python's
// csv module reading and writing the same file in the same run when python3 is there.
void TimeCsvAgainstPython(const std::filesystem::path& Dir)
{
    constexpr int rows = 100000, cols = 10;
    TForm form(nullptr);
    auto* grid = new TExtStringGrid(&form);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid->SetCells(c, r, c == 3 ? "say \"" + std::to_string(r) + "\", ok" : "cell " + std::to_string(r * cols + c));
    const std::string file = (Dir / "bench.csv").string();
    std::vector<double> saves, loads;
    for (int round = 0; round < kRounds; ++round) {
        saves.push_back(MillisecondsOf([&] { grid->SaveToCSV(file, false); }));
        // A user opens a file into a grid that has not held it.
        TForm loadForm(nullptr);
        auto* fresh = new TExtStringGrid(&loadForm);
        loads.push_back(MillisecondsOf([&] { fresh->LoadFromCSV(file, 0); }));
    }
    const double save = Median(saves), load = Median(loads);
    PrintTime("save a CSV file of 100,000 x 10", save);
    PrintTime("load it into a new grid", load);

    const std::string script = (Dir / "csv_bench.py").string();
    const std::string times = (Dir / "csv_bench.txt").string();
    WriteFile(script, "import csv, statistics, sys, time\n"
                      "src, dst, out, rounds = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])\n"
                      "reads, writes = [], []\n"
                      "for _ in range(rounds):\n"
                      "    t = time.perf_counter()\n"
                      "    with open(src, newline='', encoding='cp1252') as f: rows = list(csv.reader(f))\n"
                      "    reads.append(time.perf_counter() - t)\n"
                      "    t = time.perf_counter()\n"
                      "    with open(dst, 'w', newline='', encoding='cp1252') as f: csv.writer(f).writerows(rows)\n"
                      "    writes.append(time.perf_counter() - t)\n"
                      "open(out, 'w').write('%f %f' % (statistics.median(reads) * 1000, statistics.median(writes) * 1000))\n");
    const std::string command = "python3 " + script + " " + file + " " + (Dir / "python.csv").string() + " " + times +
                                " " + std::to_string(kRounds) + " > /dev/null 2>&1";
    double pythonRead = 0, pythonWrite = 0;
    if (std::system(command.c_str()) != 0 || !(std::ifstream(times) >> pythonRead >> pythonWrite)) {
        std::printf("python3 csv: not available\n");
        return;
    }
    PrintTime("python csv: read the same file", pythonRead);
    PrintTime("python csv: write it", pythonWrite);
    PrintRatio("CSV load into a new grid / python read", load, pythonRead);
    PrintRatio("CSV save / python write", save, pythonWrite);
}

void PrintUsage()
{
    std::printf("usage: vantrel_bench [eds-file]   the configurator's heavy operations\n"
                "       vantrel_bench --sort        the grid sort alone, for a profiler\n"
                "       vantrel_bench --filter      the grid filter alone, for a profiler\n"
                "       vantrel_bench --csv         the CSV files alone, for a profiler\n"
                "       vantrel_bench --exchange    sort, filter and CSV files beside their peers\n"
                "       vantrel_bench --help        this text\n"
                "Without an EDS file the largest EtherNet/IP fixture is imported.\n");
}
}  // namespace

int main(int argc, char** argv)
{
    // Windows are created off screen unless a display is asked for.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string option = argc > 1 ? argv[1] : "";
    const bool isOption = option.rfind("--", 0) == 0;
    if (argc > 2 || option == "--help" || option == "-h" ||
        (isOption && option != "--sort" && option != "--filter" && option != "--csv" && option != "--exchange")) {
        PrintUsage();
        return option == "--help" || option == "-h" ? 0 : 2;
    }
    Application->Initialize();
    if (option == "--sort") {
        TimeGridSort();
        return 0;
    }
    if (option == "--filter") {
        TimeFilter();
        return 0;
    }
    if (option == "--exchange" || option == "--csv") {
        const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vantrel-bench-exchange";
        std::filesystem::create_directories(dir);
        if (option == "--exchange") {
            TimeGridSort();
            TimeFilter();
        }
        TimeCsvAgainstPython(dir);
        std::filesystem::remove_all(dir);
        return 0;
    }
    const std::string eds = argc > 1 ? argv[1] : LargestFixture();
    std::error_code missing;
    if (argc > 1 && !std::filesystem::is_regular_file(eds, missing)) {
        std::fprintf(stderr, "vantrel_bench: no such file: %s\n", eds.c_str());
        PrintUsage();
        return 2;
    }
    if (!eds.empty()) {
        std::printf("EDS file: %s (%ju bytes)\n", eds.c_str(), std::filesystem::file_size(eds));
        Time("import: connections and one target configuration", 20, [&] {
            const TEdsImport import(eds);
            // The user imports one connection: the first one that names a configuration.
            for (const TConnData& conn : import.Connections().List_Conn) {
                if (conn.TargetConfFormat.empty()) continue;
                import.TargetConfigOf(conn);
                break;
            }
        });
    }

    const std::filesystem::path project = std::filesystem::temp_directory_path() / "vantrel-bench";
    std::filesystem::create_directories(project / "bin");
    Project_Dir = project.string();
    Set_Files();
    WriteLargestImageProject();
    Time("build and write bank.bin (largest project)", 20, [] {
        Compile_Bank();
        Save_Bank();
    });
    // The largest PDO table the editor allows: 30 receive and 30 transmit PDOs of 8 bytes.
    std::filesystem::copy_file(std::filesystem::path(VANTREL_SOURCE_DIR) /
                                   "tests/artefacts/descriptions/eds/max_pdo/PDO_CANopen.xml",
                               File_PDO_CANopen, std::filesystem::copy_options::overwrite_existing);
    Time("write the CANopen EDS (30 + 30 PDOs)", 20, [&] { Create_EDS_File(Project_Dir + "/out.eds"); });

    const std::filesystem::path exeDir = project / "exe";
    std::filesystem::create_directories(exeDir);
    TComponent owner(nullptr);
    Time("start-up: create every window", 5, [&] {
        Create_Windows(&owner, exeDir.string());
        Free_Windows();
    });
    TimeRuleEditorOpening();
    TimeCsvAgainstPython(project);
    std::filesystem::remove_all(project);

    // Painting a grid costs what its visible cells cost: the two row counts must print the
    // same time.
    TForm gridForm(nullptr);
    gridForm.SetClientSize(800, 600);
    for (const int rows : {1000, 100000}) {
        auto* grid = new TExtStringGrid(&gridForm);
        grid->SetParent(&gridForm);
        grid->SetBounds(0, 0, 800, 600);
        grid->SetColCount(20);
        grid->SetRowCount(rows);
        Time(("fill a grid of " + std::to_string(rows) + " x 20").c_str(), 1, [&] {
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < 20; ++c) grid->SetCells(c, r, std::to_string(r * 20 + c));
        });
        gridForm.Show();
        TBitmap canvas;
        canvas.SetSize(800, 600);
        Time(("paint the visible cells of " + std::to_string(rows) + " rows").c_str(), 20,
             [&] { grid->PaintTo(canvas.Canvas(), 0, 0); });
        delete grid;
    }
    TimeGridPainting();
    TimeMarkupGridPainting();
    TimeTypingInACell();
    TimeGridSort();
    return 0;
}
