#pragma once
// Input vocabulary shared by the model's handlers and the Qt shell that forwards events.

namespace kestrel {

/// The mouse button of a press.
enum class MouseButton { Left, Right, Middle };

/// The keys the program tells apart. The digits follow one another, so `Key::Digit1 + d - 1`
/// is digit d; every key the program does not handle is `Other`.
enum class Key {
    Other,
    Tab,
    Escape,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    Enter, ///< Return and the keypad's Enter
    Space,
    Delete,
    Backspace,
    F1,
    F5,
    N,
    P,
    R,
    Y,
    Z
};

/// One key press as the shell saw it.
struct KeyPress
{
    Key key = Key::Other;
    bool fromKeypad = false; ///< typed on the numeric keypad
    bool withModifiers = false; ///< Shift, Ctrl, Alt or Meta held (the keypad flag aside)
    bool autoRepeat = false; ///< repeated while the key is held
    bool ctrl = false; ///< Ctrl held (Command on a Mac keyboard)
    bool shift = false; ///< Shift held; a shifted digit key still reports its digit

    /// Digit 1..9 of a digit key, 0 for any other key.
    constexpr int digit() const noexcept
    {
        return key >= Key::Digit1 && key <= Key::Digit9
            ? static_cast<int>(key) - static_cast<int>(Key::Digit1) + 1
            : 0;
    }
};

/// The key of digit `d` (1..9).
constexpr Key digitKey(int d) noexcept
{
    return static_cast<Key>(static_cast<int>(Key::Digit1) + d - 1);
}

} // namespace kestrel
