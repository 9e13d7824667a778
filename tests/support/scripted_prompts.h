#pragma once

// Answers the windows' dialogs from queues and records what was shown.
#include <QStringList>

#include <deque>
#include <vector>

#include "ui/user_prompts.h"

namespace laserpic::fakes {

class ScriptedPrompts : public ui::UserPrompts {
 public:
  struct Shown {
    ui::PromptIcon icon;
    QString text;
    QString title;
  };
  struct Dialog {
    QString initialPath;
    QString filter;
    QString defaultSuffix;
  };

  std::deque<bool> answers;       // Yes / No
  std::deque<QString> fileNames;  // empty: cancelled
  std::vector<Shown> messages;
  std::vector<Shown> questions;
  std::vector<Dialog> dialogs;

  ScriptedPrompts() { ui::setPrompts(this); }
  ~ScriptedPrompts() override { ui::setPrompts(nullptr); }

  ScriptedPrompts(const ScriptedPrompts&) = delete;
  ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

  // The texts of the messages shown, in order.
  QStringList messageTexts() const {
    QStringList texts;
    for (const Shown& m : messages) texts << m.text;
    return texts;
  }
  // True when every message was a warning titled "Warning".
  bool allWarnings() const {
    for (const Shown& m : messages)
      if (m.icon != ui::PromptIcon::Warning || m.title != QStringLiteral("Warning")) return false;
    return true;
  }

  void message(QWidget*, ui::PromptIcon icon, const QString& title, const QString& text) override {
    messages.push_back({icon, text, title});
  }
  bool askYesNo(QWidget*, ui::PromptIcon icon, const QString& title, const QString& text) override {
    questions.push_back({icon, text, title});
    return pop(answers, false);
  }
  QString openFileName(QWidget*, const QString&, const QString& initialPath, const QString& filter) override {
    dialogs.push_back({initialPath, filter, {}});
    return pop(fileNames, QString());
  }
  QString saveFileName(QWidget*, const QString&, const QString& initialPath, const QString& filter,
                       const QString& defaultSuffix) override {
    dialogs.push_back({initialPath, filter, defaultSuffix});
    return pop(fileNames, QString());
  }

 private:
  template <typename T>
  static T pop(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace laserpic::fakes
