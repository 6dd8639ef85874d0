#include "exchange/frm_copy.hpp"

#include "core/board.hpp"
#include "exchange/import_text.hpp"
#include "platform/platform.hpp"

namespace kestrel {

CopyBoard copySourceOf(const TPICSD33 &board)
{
    CopyBoard cells;
    for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
            const TPicNode &cell = board.cell(row, col);
            CopyCell &copy = cells[std::size_t((row - 1) * 9 + (col - 1))];
            copy.state = cell.state;
            copy.hxs = cell.hxs.empty() && cell.state != CellState::Given
                ? board.allowedHxs(row, col)
                : cell.hxs;
        }
    return cells;
}

Tfrmcopy::Tfrmcopy(Platform &platform, TextLookup text)
    : m_platform(platform), m_text(std::move(text))
{ }

const std::array<std::string_view, 4> &Tfrmcopy::blankChoices()
{
    static constexpr std::array<std::string_view, 4> choices = {".", "*", "0", ","};
    return choices;
}

void Tfrmcopy::applyLanguage()
{
    m_captions.caption = m_text("frmcopy.caption");
    m_captions.group = m_text("frmcopy.RadioGroup1.Caption");
    // The items list No Candidate first; the buttons stand With Candidates first.
    m_captions.layouts[std::size_t(CopyLayout::NoCandidate)]
        = m_text("frmcopy.RadioGroup1.Items[0]");
    m_captions.layouts[std::size_t(CopyLayout::WithCandidates)]
        = m_text("frmcopy.RadioGroup1.Items[1]");
    m_captions.layouts[std::size_t(CopyLayout::NineByNine)]
        = m_text("frmcopy.RadioGroup1.Items[2]");
    m_captions.layouts[std::size_t(CopyLayout::OneByEightyOne)]
        = m_text("frmcopy.RadioGroup1.Items[3]");
    m_captions.expressBlanks = m_text("frmcopy.labelblank.caption");
    m_captions.copy = m_text("frmcopy.button1.Caption");
    m_captions.close = m_text("frmcopy.button2.Caption");
}

void Tfrmcopy::open(const TPICSD33 &board)
{
    m_source = copySourceOf(board);
    m_layout = CopyLayout::NoCandidate;
    render();
}

void Tfrmcopy::render()
{
    m_lines = renderCopyLayout(m_source, m_layout, blankCharacter(m_blankText));
}

void Tfrmcopy::RadioGroup1Click(CopyLayout layout)
{
    m_layout = layout;
    render();
}

void Tfrmcopy::setBlankText(std::string text)
{
    m_blankText = std::move(text);
    if (m_layout != CopyLayout::WithCandidates)
        render();
}

void Tfrmcopy::Button1Click()
{
    m_platform.clipboard.setText(joinImportLines(m_lines));
    m_platform.windows.close(kWindowName);
}

void Tfrmcopy::Button2Click()
{
    m_platform.windows.close(kWindowName);
}

} // namespace kestrel
