#pragma once

namespace quorvane::ui {

/// What the desktop program sets up before its first window: the application's name
/// ("Quorvane", which the message boxes carry as their caption), its icon and its desktop entry.
/// No display name is set: under a window manager Qt would append it to every window title, and
/// the main window's title is exactly "Quorvane" and the version.
void SetUpApplication();

} // namespace quorvane::ui
