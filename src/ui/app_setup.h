#pragma once

namespace laserpic::ui {

// Application-wide look: the program icon and a stand-in for the classic
// dialog font, whose narrow metrics the window layouts were made for.
void setUpApplication();

}  // namespace laserpic::ui
