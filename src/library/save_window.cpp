#include "library/save_window.hpp"

#include "library/saved_game_record.hpp"
#include "library/store_messages.hpp"
#include "platform/platform.hpp"

namespace kestrel {

Tfrmsave::Tfrmsave(const Game &game, Dialogs &dialogs, TextFiles &files, std::string storePath,
                   TextLookup text, std::string title)
    : m_game(game), m_dialogs(dialogs), m_text(std::move(text)), m_title(std::move(title)),
      m_store(files, std::move(storePath))
{ }

bool Tfrmsave::FormCreate()
{
    caption = m_text("frmsave.caption");
    label1Caption = m_text("frmsave.label1.Caption");
    radioGroupCaption = m_text("frmsave.RadioGroup1.Caption");
    constexpr const char *kLevelItemKeys[]
        = {"frmsave.RadioGroup1.items[0]", "frmsave.RadioGroup1.items[1]",
           "frmsave.RadioGroup1.items[2]", "frmsave.RadioGroup1.items[3]",
           "frmsave.RadioGroup1.items[4]", "frmsave.RadioGroup1.items[5]"};
    for (std::size_t i = 0; i < radioGroupItems.size(); ++i)
        radioGroupItems[i] = m_text(kLevelItemKeys[i]);
    button1Caption = m_text("frmsave.button1.Caption");
    button2Caption = m_text("frmsave.button2.Caption");
    const StoreResult loaded = m_store.load();
    if (!loaded.ok()) {
        m_dialogs.showError(storeFailureMessage(m_text, m_store, loaded), m_title);
        return false;
    }
    return true;
}

void Tfrmsave::Button1Click()
{
    const std::string &name = nameText;
    const int level = levelIndex >= 0 && levelIndex <= 5 ? levelIndex : 5;
    const std::vector<std::string> record
        = makeRecord(name, level, m_game.record().solutionString(), m_game.board());

    // The whole change is made on a copy and written once: an overwrite never leaves a file
    // that has lost the old record without holding the new one.
    std::vector<std::string> lines = m_store.lines();
    SaveOutcome outcome = SaveOutcome::Saved;
    const int existing = GameStore::findIn(lines, name);
    if (existing != 0) {
        if (m_dialogs.confirm(m_text("msg_frmsave_queryexits"), m_title))
            lines = GameStore::withoutRecord(std::move(lines), existing);
        else
            outcome = SaveOutcome::KeptOld;
    }
    if (outcome == SaveOutcome::Saved)
        lines.insert(lines.end(), record.begin(), record.end());

    // Written in every case, also after No, as the store always rewrites its file.
    const StoreResult written = m_store.replaceLines(std::move(lines));
    if (!written.ok()) {
        m_outcome = SaveOutcome::Failed;
        m_dialogs.showError(storeFailureMessage(m_text, m_store, written), m_title);
        return; // the window stays open: the player may try again or cancel
    }
    m_outcome = outcome;
    if (outcome == SaveOutcome::Saved)
        m_dialogs.inform(m_text("msg_frmsave_saved"), m_title);
    m_closeRequested = true;
}

} // namespace kestrel
