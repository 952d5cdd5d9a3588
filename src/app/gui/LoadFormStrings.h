#pragma once
// Replaces string numbers in a window by their texts from the string table.
//
// Where a number stands, by kind of control:
//   the window itself: its "Tag" property -> its caption
//   menus and menu items (QMenu, QAction): the caption itself
//   labels (QLabel): "Tag" -> text
//   tab strips (QTabBar): each tab's data -> its text; its tool tip -> tool tip
//   tool bars (QToolBar): each button's tool tip -> tool tip
//   list views (QTreeWidget): each header section's UserRole data -> its text
//   any other named control: "Tag" -> its text/title; tool tip -> tool tip
// Every step that fails (no number, a number the table lacks, a property the
// control does not have) is skipped and the loader goes on.

class QWidget;

namespace quorvale {

void LoadFormStrings(QWidget* form);

}  // namespace quorvale
