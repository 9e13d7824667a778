#pragma once

namespace laserpic::ui {

// Application-wide look: the program icon, a stand-in for the classic
// dialog font, whose narrow metrics the window layouts were made for, and
// Russian texts in Qt's own dialogs.
void setUpApplication();

}  // namespace laserpic::ui
