#pragma once

#include <QIcon>

namespace quorvane::ui {

/// A blue question mark in a speech bubble, for the main window's flat help button.
QIcon HelpIcon();

/// Quorvane's mark: a two-tier database cylinder carrying a "Q", in blues. app/quorvane.svg is
/// the same drawing for the desktop menu.
QIcon ApplicationIcon();

} // namespace quorvane::ui
