#include "user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace laserpic::ui {
namespace {

QMessageBox::Icon toQt(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Warning:
      return QMessageBox::Warning;
    case PromptIcon::Error:
      return QMessageBox::Critical;
    case PromptIcon::Information:
      break;
  }
  return QMessageBox::Information;
}

class QtPrompts final : public UserPrompts {
 public:
  void message(QWidget* parent, PromptIcon icon, const QString& title, const QString& text) override {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
  }

  bool askYesNo(QWidget* parent, PromptIcon icon, const QString& title, const QString& text) override {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
  }

  QString openFileName(QWidget* parent, const QString& caption, const QString& initialPath,
                       const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, caption, initialPath, filter);
  }

  QString saveFileName(QWidget* parent, const QString& caption, const QString& initialPath,
                       const QString& filter, const QString& defaultSuffix) override {
    QFileDialog dialog(parent, caption, initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the editor's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!initialPath.isEmpty()) dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  }
};

QtPrompts gQtPrompts;
UserPrompts* gPrompts = &gQtPrompts;

}  // namespace

UserPrompts& prompts() { return *gPrompts; }

void setPrompts(UserPrompts* replacement) { gPrompts = replacement ? replacement : &gQtPrompts; }

}  // namespace laserpic::ui
