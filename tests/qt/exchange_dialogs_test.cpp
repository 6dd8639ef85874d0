// Offscreen wiring of the exchange windows, with screenshots in English and Chinese.
#include "app/language_table.hpp"
#include "exchange/frm_copy.hpp"
#include "exchange/frm_import.hpp"
#include "exchange/frm_new.hpp"
#include "exchange/import_text.hpp"
#include "exchange/qt/copy_dialog.hpp"
#include "exchange/qt/create_puzzle_dialog.hpp"
#include "exchange/qt/import_dialog.hpp"
#include "support/fake_platform.hpp"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

struct Exchange
{
    explicit Exchange(Language language) { table.load(language); }

    FakePlatform fake;
    LanguageTable table;
    TextLookup text = [this](std::string_view key) {
        return table.lookup(key);
    };
    Game game{fake.platform().dialogs, text};
    Tfrm_new create{fake.platform(), text, game};
    TfrmImport importer{fake.platform(), text, create.sdnew()};
    Tfrmcopy copy{fake.platform(), text};
};

void saveShot(QWidget &widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(KESTREL_SCREENSHOT_DIR));
    EXPECT_TRUE(widget.grab().save(QStringLiteral(KESTREL_SCREENSHOT_DIR "/") + name));
}

TEST(ExchangeDialogs, ImportFillsTheCreateBoardAndScreenshots)
{
    for (const auto &[language, suffix] :
         {std::pair{Language::English, "en"}, std::pair{Language::Chinese, "zh"}}) {
        Exchange exchange(language);
        exchange.create.FormCreate();
        CreatePuzzleDialog create(exchange.create);
        ImportDialog import(exchange.importer, &create);
        import.show();
        import.exampleButton(4)->click();
        EXPECT_TRUE(import.textArea()->toPlainText().startsWith(QStringLiteral("*-----")));
        saveShot(import, QStringLiteral("import_%1.png").arg(QLatin1String(suffix)));
        import.okButton()->click();
        EXPECT_EQ(exchange.create.sdnew().cell(1, 1).hxs, "5");
        create.show();
        saveShot(create, QStringLiteral("create_%1.png").arg(QLatin1String(suffix)));
        if (language == Language::English) {
            EXPECT_EQ(create.windowTitle(), QStringLiteral("Import or Create Sudoku"));
        }
    }
}

TEST(ExchangeDialogs, CopyWindowRendersTheChosenLayoutAndScreenshots)
{
    for (const auto &[language, suffix] :
         {std::pair{Language::English, "en"}, std::pair{Language::Chinese, "zh"}}) {
        Exchange exchange(language);
        fillCreateBoard(exchange.create.sdnew(), {});
        exchange.importer.exampleClick(3);
        exchange.importer.okClick();
        exchange.game.playPuzzle(exchange.create.sdnew(), "");
        exchange.copy.applyLanguage();
        exchange.copy.open(exchange.game.board());
        CopyDialog dialog(exchange.copy);
        dialog.show();
        EXPECT_TRUE(dialog.textArea()->toPlainText().contains(
            QStringLiteral("|    .    9    5|    .    .    3|    8    1    4|")));
        saveShot(dialog, QStringLiteral("copy_%1.png").arg(QLatin1String(suffix)));
        dialog.layoutButton(int(CopyLayout::WithCandidates))->click();
        EXPECT_EQ(exchange.copy.layout(), CopyLayout::WithCandidates);
        EXPECT_FALSE(dialog.blankChooser()->isVisible());
        saveShot(dialog, QStringLiteral("copy_cand_%1.png").arg(QLatin1String(suffix)));
        dialog.copyButton()->click();
        EXPECT_EQ(exchange.fake.text().substr(0, 1), "*");
    }
}

} // namespace
} // namespace kestrel
