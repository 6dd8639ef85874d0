#include "app/solution_windows.hpp"

#include "app/language_table.hpp"

namespace kestrel {

namespace {

void appendRows(std::vector<std::string> &lines, std::string_view solution)
{
    for (std::size_t row = 0; row < 9; ++row)
        lines.emplace_back(solution.substr(row * 9, 9));
}

} // namespace

Tfrmda::Tfrmda()
{
    board.UNFoucsColor1 = 14284791;
    board.UNFoucsColor2 = 14284791;
    board.FoucsColor1 = 14284791;
    board.FoucsColor2 = 14284791;
    board.FONTSize1 = 20;
    board.FONTSize2 = 20;
    board.FONTSize3 = 10;
    board.FONTColor1 = 0;
    board.FONTColor2 = 0x00FF0000;
    board.FONTColor3 = 0;
    board.errorcolor = 239;
    board.highcolor = 9813909;
    board.autotranzt = true;
    board.refreshByState();
}

void Tfrmda::applyLanguage(const LanguageTable &table)
{
    caption = table.lookup("frmda.caption");
    closeCaption = table.lookup("frmda.button1.caption");
    font = InterfaceFont::standard();
}

void Tfrmda::fill(const TPICSD33 &mainBoard, std::string_view solution)
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode &cell = board.cell(r, c);
            const TPicNode &source = mainBoard.cell(r, c);
            cell.isError = false;
            if (source.state == CellState::Given) {
                cell.hxs = source.hxs;
                cell.state = CellState::Given;
            } else {
                const auto k = static_cast<std::size_t>((r - 1) * 9 + (c - 1));
                cell.hxs = k < solution.size() ? std::string(1, solution[k]) : std::string();
                cell.state = CellState::Placed;
            }
        }
    }
    board.refresh();
    board.refreshByState();
}

void TFrmdas::applyLanguage(const LanguageTable &table)
{
    caption = table.lookup("frmdas.caption");
    closeCaption = table.lookup("frmdas.button1.caption");
    font = InterfaceFont::standard();
}

void TFrmdas::fill(std::string_view first, std::string_view second, const LanguageTable &table)
{
    memoLines.clear();
    memoLines.push_back(table.lookup("msg_frmdas_solution1"));
    appendRows(memoLines, first);
    memoLines.emplace_back();
    memoLines.emplace_back();
    memoLines.push_back(table.lookup("msg_frmdas_solution2"));
    appendRows(memoLines, second);
}

} // namespace kestrel
