#pragma once
// Input vocabulary shared by the model's handlers and the Qt shell that forwards events.

namespace kestrel {

/// The mouse button of a press.
enum class MouseButton { Left, Right, Middle };

} // namespace kestrel
