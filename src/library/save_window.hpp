#pragma once
// The Save window `Tfrmsave` ("Save Your Game"): a name, a level, OK and Cancel. A fresh
// window is made for every "Save Current Board" and reads the store afresh from the file.
//
// Client area 349 x 236:
//   label "Name of Your Game:"  (24, 16)
//   name edit, "New Game"       (72, 40), 121 wide
//   radio group "Game Level"    (22, 80) 305 x 96, two columns, six levels
//   OK (64, 195) and Cancel (200, 195), 85 x 25

#include "game/game.hpp"
#include "library/game_store.hpp"

#include <array>
#include <string>

namespace kestrel {

class Dialogs;

/// What the last OK did.
enum class SaveOutcome {
    None, ///< OK was not pressed
    Saved, ///< the record is in the file (new, or replacing one of the same name)
    KeptOld, ///< the name was taken and the player kept the old record
    Failed, ///< the file could not be read or written; file and store are as they were
};

class Tfrmsave
{
public:
    /// A Save window for `game`'s board over the store at `storePath`; it asks through
    /// `dialogs` (titled `title`) and takes its texts from `text`.
    Tfrmsave(const Game &game, Dialogs &dialogs, TextFiles &files, std::string storePath,
             TextLookup text, std::string title);

    // Controls.
    std::string caption;
    std::string label1Caption;
    std::string radioGroupCaption;
    std::array<std::string, 6> radioGroupItems;
    std::string button1Caption; ///< OK
    std::string button2Caption; ///< Cancel
    std::string nameText = "New Game"; ///< the name edit box, as typed
    int levelIndex = 5; ///< the selected level item, 0..5

    /// Takes the texts of the language and Loads the store. False when the file could not
    /// be read or created (the player has been told; the window should not open).
    bool FormCreate();
    /// OK: saves the board under the typed name and the selected level, asking before it
    /// replaces a record of the same name (the record then goes to the end). The window
    /// closes, except when the file could not be written.
    void Button1Click();
    /// Cancel: closes the window; nothing is written.
    void Button2Click() { m_closeRequested = true; }

    bool closeRequested() const { return m_closeRequested; }
    SaveOutcome outcome() const { return m_outcome; }
    const GameStore &store() const { return m_store; }

private:
    const Game &m_game;
    Dialogs &m_dialogs;
    TextLookup m_text;
    std::string m_title;
    GameStore m_store;
    bool m_closeRequested = false;
    SaveOutcome m_outcome = SaveOutcome::None;
};

} // namespace kestrel
