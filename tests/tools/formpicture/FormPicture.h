#pragma once

// A picture of a Delphi form drawn from its form file: a Qt widget for each control, in the
// place the form file gives it, in a plain Windows look. It shows what a generated form holds
// and where; it is not how Delphi would draw it to the pixel.

#include "DfmReader.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace quorvane::formpicture {

/// The frame and title bar around a form's client area, as Windows' classic look draws them.
inline constexpr int FrameWidth = 4;
inline constexpr int CaptionHeight = 19;

/// Sets the application up to draw as a classic Windows desktop of Delphi 7's days: Qt's
/// Windows style, the grey palette, and Windows' dialog fonts replaced by metrically close
/// ones.
void UseWindowsLook();

/// Builds the window of a form: a frame of the form's size with its caption in the title bar,
/// and in its client area each control of the form file as a widget named as the component,
/// at its Left, Top, Width and Height. The data-aware controls show what Delphi's form
/// designer shows in them, the component's name. A control of a class the picture does not
/// know is an outline labelled with its class; components without a size (datasets, data
/// sources) are not drawn, as at run time.
std::unique_ptr<QWidget> BuildFormWindow(const TDfmObject& form);

/// The window drawn into an image of its size.
QImage RenderFormWindow(QWidget& window);

} // namespace quorvane::formpicture
