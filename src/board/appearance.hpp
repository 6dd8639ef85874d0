#pragma once
// The appearance dialog `TfrmAppearance`: the board's two background colours, the colours of
// given, placed and candidate digits and the highlight colour, each group with a "Default
// Color" switch, previewed at once on its own board `sd1` holding a fixed sample position.
// Its apply step also gives the main board its colours at start-up.
//
// The dialog edits the nine text settings of the main window (app/settings.hpp) in memory;
// only "OK" and "Default" write them to the store, and every apply reloads the store first,
// so unsaved edits are dropped at the next opening. One trap is kept on purpose: ticking or
// clearing a check box during an apply runs the box's click action, which stores the group
// from the swatches as they stand at that moment (see applySettings).
//
// Layout of the 536 x 485 client area:
//
//   +-- 110 --+------------------ 426 -----------------+
//   | Background      |                                |
//   | Font Color      |   sd1, 422 x 422               |  451
//   | Highlight Color |                                |
//   +-----------------+--------------------------------+
//   |            [Default]  [OK]  [Cancel]             |   34

#include "app/settings.hpp"
#include "core/board.hpp"
#include "core/interface_font.hpp"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kestrel {

class Dialogs;
class SettingsStore;

/// The six colour swatches of the dialog.
enum class Swatch { Panel1, Panel2, fpanel1, fpanel2, fpanel3, highpanle };
inline constexpr int kSwatchCount = 6;

/// The three groups, each with its "Default Color" check box.
enum class AppearanceGroup { Background, FontColor, Highlight };

/// One swatch: a lowered panel whose colour is the chosen colour; its border shows while
/// the mouse is over it.
struct SwatchState
{
    Colour color = 0;
    int borderWidth = 0;
};

class TfrmAppearance
{
public:
    static constexpr int kClientWidth = 536;
    static constexpr int kClientHeight = 485;
    static constexpr int kColumnWidth = 110;
    static constexpr int kButtonStripHeight = 34;

    // The colours a ticked "Default Color" selects.
    static constexpr Colour kDefaultBackground1 = 0x00FFFFFF;
    static constexpr Colour kDefaultBackground2 = 14284791; // $00D9F7F7
    static constexpr Colour kDefaultFixed = 0;
    static constexpr Colour kDefaultBig = 0x00FF0000;
    static constexpr Colour kDefaultCandidate = 0;
    static constexpr Colour kDefaultHighlight = 0x0000FFFF;

    /// A dialog editing `settings` (the main window's nine texts), stored in `store`, asking
    /// for colours through `dialogs` and applying to `mainBoard`. None is owned; all must
    /// outlive the dialog.
    TfrmAppearance(AppSettings &settings, SettingsStore &store, Dialogs &dialogs,
                   TPICSD33 &mainBoard);

    /// The preview board with the sample position.
    TPICSD33 sd1;

    // State of the controls. Captions are the designed English ones until applyLanguage.
    std::string caption = "Appearance";
    std::array<std::string, 3> groupCaptions{"Background", "Font Color", "Highlight Color"};
    std::array<std::string, 3> checkBoxCaptions{"Default Color", "Default Color", "Default Color"};
    /// Labels of the swatches, in Swatch order.
    std::array<std::string, kSwatchCount> labelCaptions{"Color 1",    "Color 2",   "Fixed",
                                                        "Big Number", "Candidate", "Color"};
    std::string okCaption = "OK"; ///< Button1
    std::string cancelCaption = "Cancel"; ///< Button2
    std::string defaultCaption = "Default"; ///< Button3
    InterfaceFont font;
    bool visible = false;
    /// Told after every write of the settings to the store: false when the store refused it
    /// (the main window tells the player).
    std::function<void(bool stored)> onSettingsWritten;

    bool isChecked(AppearanceGroup group) const { return m_checked[index(group)]; }
    const SwatchState &swatch(Swatch which) const { return m_swatches[index(which)]; }

    /// Sets every caption from `text` (the active language), also when empty, then the
    /// interface font.
    void applyLanguage(const std::function<std::string(std::string_view)> &text);

    /// Creation at program start: captions, the sample position, the apply step twice on
    /// the preview (the first pass brings the check boxes in line with the store, the second
    /// loads the swatches) and once on the main board.
    void FormCreate(const std::function<std::string(std::string_view)> &text);
    /// The dialog is about to show: the apply step on the preview.
    void FormShow();

    /// The apply step on `board` (the preview or the main board): reloads the store, sets the
    /// check boxes (a change runs the box's click action), the swatches and the board's
    /// colours. A colour text that is not a number resets and saves the defaults and applies
    /// again.
    void applySettings(TPICSD33 &board);

    /// The player clicked a "Default Color" box, which now shows `checked`: the group is
    /// stored in the settings and shown on the preview.
    void checkBoxClick(AppearanceGroup group, bool checked);
    /// The player clicked a swatch: the colour dialog opens on its colour; a confirmed colour
    /// is taken; either way the group is stored and shown on the preview.
    void swatchClick(Swatch which);
    /// The mouse entered or left a swatch.
    void swatchEnter(Swatch which) { m_swatches[index(which)].borderWidth = 1; }
    void swatchLeave(Swatch which) { m_swatches[index(which)].borderWidth = 0; }

    /// "OK": saves the settings, applies them to the main board and closes. When the store
    /// refuses them, the dialog and the main board go back to the settings stored before.
    void Button1Click();
    /// "Cancel": closes; the edits stay in memory until the next apply reloads the store.
    void Button2Click() { visible = false; }
    /// "Default": resets and saves the settings and applies them to the preview only.
    void Button3Click();

    // The store and show steps of one group, as the click actions use them.
    void storeBackground();
    void storeFontColors();
    void storeHighlight();
    void showBackground(TPICSD33 &board);
    void showFontColors(TPICSD33 &board);
    void showHighlight(TPICSD33 &board);

private:
    template <typename E> static std::size_t index(E e) { return static_cast<std::size_t>(e); }
    SwatchState &editSwatch(Swatch which) { return m_swatches[index(which)]; }
    void fillSample();
    bool tryApplySettings(TPICSD33 &board, bool reload);
    void setCheckBox(AppearanceGroup group, bool checked);
    void clickAction(AppearanceGroup group);
    void reportWrite(bool stored);
    void saveOrGoBack();

    AppSettings &m_settings;
    SettingsStore &m_store;
    Dialogs &m_dialogs;
    TPICSD33 &m_mainBoard;
    std::array<bool, 3> m_checked{true, true, true};
    std::array<SwatchState, kSwatchCount> m_swatches{};
};

} // namespace kestrel
