#pragma once

#include <QString>

#include <optional>

namespace laserpic::editing {

// The three buttons the drawing area knows; any further button counts as the
// middle one.
enum class MouseButton { Left, Right, Middle };

// Cursor shapes the drawing area takes. The window maps them to its toolkit's.
enum class Cursor { Unchanged, Drag, Arrow, SizeAll };

// A position in figure units, 0..255 on both axes.
struct FigurePos {
  int x = 0;
  int y = 0;
};

// Which points the search visits and in which order; both come from toggles
// of the window.
struct SearchOptions {
  bool firstHalfOnly = false;  // SpeedButton128 down: only points 1..128
  bool reverse = false;        // SpeedButtonDirect down: lowest index wins
};

// A point found under the cursor and what LabelPoint should show for it.
struct SearchHit {
  int point = 0;
  QString label;
  // Only the forward search hands the label to TimerPointOff.
  bool enableTimer = false;
};

// What a press on the drawing area asks of the window. Every press, whatever
// it did here, is followed by the undo snapshot.
struct PressResult {
  Cursor cursor = Cursor::Unchanged;
  std::optional<SearchHit> hit;
  std::optional<QString> insdelText;  // new LabelInsdel text
  bool toggleDirect = false;          // flip SpeedButtonDirect
  bool pressOffMade = false;          // put SpeedButtonOffMade down, silently
};

// What a move over the drawing area asks of the window, before the change
// tracking that ends every move.
struct MoveResult {
  QString posXText;
  QString posYText;
  std::optional<SearchHit> hit;
  Cursor cursor = Cursor::Unchanged;
  bool redrawRectangle = false;  // the area's far corner follows the mouse
};

}  // namespace laserpic::editing
