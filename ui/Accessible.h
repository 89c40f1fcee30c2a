#pragma once

namespace quenvar::ui {

// What assistive technology reads of our controls beyond Qt's own:
// - a tool button whose command is one of an exclusive group (the sort
//   order, the radix) is a radio button;
// - a drop-down list (not editable) is named by its accessible name, its
//   choice being its value (Qt names it by its value on this platform);
// - a label holding a link (its target in the kLinkTarget property) is a
//   link, focusable and pressed by its action;
// - the main window is a frame.
// Installed once; later calls do nothing.
void InstallAccessibleRoles();

// The property that makes a plain widget a group to assistive technology
// (the row of one exclusive group's buttons).
extern const char kExclusiveGroup[];

// The property that holds the address of a label that is a link.
extern const char kLinkTarget[];

// The WM_CLASS of our windows, as the desktop entry's StartupWMClass says.
extern const char kWindowClass[];

}  // namespace quenvar::ui
