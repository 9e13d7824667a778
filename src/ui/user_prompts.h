#pragma once

#include <QString>

class QWidget;

namespace laserpic::ui {

enum class PromptIcon { Warning, Error, Information };

// Everything the windows ask of the user through modal dialogs. The program
// uses the Qt dialogs; tests install their own answers.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  // A message with the single button OK.
  virtual void message(QWidget* parent, PromptIcon icon, const QString& title, const QString& text) = 0;
  // A question with the buttons Yes and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, PromptIcon icon, const QString& title, const QString& text) = 0;
  // File dialogs. They return the chosen path, or an empty text when cancelled.
  virtual QString openFileName(QWidget* parent, const QString& caption, const QString& initialPath,
                               const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& initialPath,
                               const QString& filter, const QString& defaultSuffix) = 0;
};

// The prompts in use. setPrompts(nullptr) goes back to the Qt dialogs.
UserPrompts& prompts();
void setPrompts(UserPrompts* replacement);

}  // namespace laserpic::ui
