#pragma once

// Answers the device windows' message boxes in tests and keeps what they said.
#include <QStringList>

#include "ui/user_prompts.h"

namespace laserpic::linktest {

class RecordingPrompts final : public ui::UserPrompts {
 public:
  RecordingPrompts() { ui::setPrompts(this); }
  ~RecordingPrompts() override { ui::setPrompts(nullptr); }
  RecordingPrompts(const RecordingPrompts&) = delete;
  RecordingPrompts& operator=(const RecordingPrompts&) = delete;

  void message(QWidget*, ui::PromptIcon icon, const QString& title, const QString& text) override {
    messages << text;
    allWarnings = allWarnings && icon == ui::PromptIcon::Warning && title == QStringLiteral("Warning");
  }
  bool askYesNo(QWidget*, ui::PromptIcon, const QString&, const QString&) override { return false; }
  QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }

  QStringList messages;
  bool allWarnings = true;
};

}  // namespace laserpic::linktest
