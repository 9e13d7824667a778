#pragma once

// Answers the editor's dialogs from queues and records what was asked.
#include <QStringList>

#include <deque>

#include "ui/user_prompts.h"

namespace laserpic::fakes {

class ScriptedPrompts : public ui::UserPrompts {
 public:
  struct Shown {
    ui::PromptIcon icon;
    QString text;
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

  void message(QWidget*, ui::PromptIcon icon, const QString&, const QString& text) override {
    messages.push_back({icon, text});
  }
  bool askYesNo(QWidget*, ui::PromptIcon icon, const QString&, const QString& text) override {
    questions.push_back({icon, text});
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
