#include "exchange/frm_import.hpp"

#include "core/board.hpp"
#include "exchange/import_text.hpp"
#include "platform/platform.hpp"

#include <cassert>

namespace kestrel {

namespace {

// The description of each example, shown in the hint line after its button.
constexpr std::array<std::string_view, 4> kExampleDescriptions
    = {"msg_frmimport_81", "msg_frmimport_99", "msg_frmimport_992", "msg_frmimport_cand"};

std::vector<std::string> candidateFrameExample(const std::array<std::string_view, 9> &rows)
{
    const std::string border = "*" + std::string(92, '-') + "*";
    const std::string box(30, '-');
    const std::string separator = "|" + box + "+" + box + "+" + box + "|";
    std::vector<std::string> lines{border};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        lines.emplace_back(rows[i]);
        if (i == 2 || i == 5)
            lines.push_back(separator);
    }
    lines.push_back(border);
    return lines;
}

std::vector<std::string> makeExample(int example)
{
    switch (example) {
    case 1:
        return {
            "086009000003200000002004903004000000005000700697041230008050001001760000059000006"};
    case 2:
        return {"*8******7", "****96***", "**2**3***", "*******9*", "**9***56*",
                "***1****4", "4********", "****5**3*", "71*8*****"};
    case 3:
        return candidateFrameExample({
            "|         .         9         5|         .         .         3|         8         1   "
            "      4|",
            "|         .         8         .|         .         .         2|         .         .   "
            "      .|",
            "|         6         .         .|         .         8         .|         2         .   "
            "      7|",
            "|         .         .         .|         1         9         .|         6         .   "
            "      .|",
            "|         3         .         .|         .         .         .|         .         .   "
            "      .|",
            "|         .         .         .|         .         .         .|         5         .   "
            "      .|",
            "|         1         .         8|         3         .         .|         7         .   "
            "      .|",
            "|         .         .         .|         .         .         4|         .         6   "
            "      .|",
            "|         .         .         6|         .         .         7|         .         8   "
            "      3|",
        });
    default:
        return candidateFrameExample({
            "|         5     13789      2389|    123479       379         6|     23478     23479   "
            " 234789|",
            "|     12379     13679      2369|   1234579      3579         8|    234567    234679   "
            "2345679|",
            "|      2379     36789         4|     23579      3579      2379|    235678     23679   "
            "      1|",
            "|      3479    345789         1|    346789         2      3479|     34567     34679   "
            " 345679|",
            "|         6      3479       239|     13479       379         5|     12347         8   "
            "  23479|",
            "|     23479    345789     23589|   1346789     36789     13479|   1234567   1234679   "
            "2345679|",
            "|         8     13469         7|      2369       369       239|     12346         5   "
            "   2346|",
            "|        13      1356       356|    235678         4       237|         9     12367   "
            "  23678|",
            "|       349         2      3569|    356789         1       379|     34678      3467   "
            "  34678|",
        });
    }
}

} // namespace

TfrmImport::TfrmImport(Platform &platform, TextLookup text, TPICSD33 &createBoard)
    : m_platform(platform), m_text(std::move(text)), m_createBoard(createBoard)
{ }

const std::vector<std::string> &TfrmImport::exampleLines(int example)
{
    assert(example >= 1 && example <= 4);
    static const std::array<std::vector<std::string>, 4> examples
        = {makeExample(1), makeExample(2), makeExample(3), makeExample(4)};
    return examples[std::size_t(example - 1)];
}

void TfrmImport::applyLanguage()
{
    m_captions.caption = m_text("frmImport.caption");
    m_hintLine = m_text("frmImport.Label1.Caption");
    m_captions.compatibleFormats = m_text("frmImport.Label2.Caption");
    m_captions.ok = m_text("frmImport.button1.Caption");
    m_captions.cancel = m_text("frmImport.button2.Caption");
    constexpr const char *kExampleKeys[]
        = {"frmImport.button3.Caption", "frmImport.button4.Caption", "frmImport.button5.Caption",
           "frmImport.button6.Caption"};
    constexpr const char *kExampleHintKeys[] = {"frmImport.e1.Caption", "frmImport.e2.Caption",
                                                "frmImport.e3.Caption", "frmImport.e4.Caption"};
    for (std::size_t i = 0; i < 4; ++i) {
        m_captions.examples[i] = m_text(kExampleKeys[i]);
        m_captions.exampleHints[i] = m_text(kExampleHintKeys[i]);
    }
}

void TfrmImport::exampleClick(int example)
{
    m_lines = exampleLines(example);
    applyLanguage();
    m_hintLine = m_text(kExampleDescriptions[std::size_t(example - 1)]);
}

void TfrmImport::okClick()
{
    if (const std::optional<ImportResult> result = readImportText(joinImportLines(m_lines))) {
        fillCreateBoard(m_createBoard, result->cells);
        m_createBoard.markConflicts();
        m_createBoard.refresh();
    } else {
        m_platform.dialogs.inform(m_text("msg_frm_new_invalid_format"));
    }
    m_platform.windows.close(kWindowName);
}

void TfrmImport::cancelClick()
{
    m_platform.windows.close(kWindowName);
}

} // namespace kestrel
