#pragma once

// The program's name: window title, message-box caption, tooltip, folder names.
inline constexpr char AppTitle[] = "Lullwick";
