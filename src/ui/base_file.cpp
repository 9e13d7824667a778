// Picture files, the close question and the program-wide error handler.
#include <QFileInfo>
#include <QToolButton>

#include "base_form.h"
#include "model/picture_file.h"
#include "user_prompts.h"

namespace laserpic::ui {
namespace {

const QString kPictureFilter = QStringLiteral("Картинка для Vektrona (*.fgr)");
const QString kPictureSuffix = QStringLiteral("fgr");
const QString kOpenCaption = QStringLiteral("Открыть");
const QString kSaveCaption = QStringLiteral("Сохранить как");
const QString kWarningTitle = QStringLiteral("Предупреждение");
const QString kErrorTitle = QStringLiteral("Ошибка");

}  // namespace

void TBaseForm::connectFileCommands() {
  connect(SpeedButtonOpenPic, &QToolButton::clicked, this, [this] { SpeedButtonOpenPicClick(); });
  connect(SpeedButtonSavePic, &QToolButton::clicked, this, [this] { SpeedButtonSavePicClick(); });
}

void TBaseForm::FormClose() {
  if (!SpeedButtonUndo->isEnabled()) return;
  // A save that fails asks again rather than closing over the lost changes;
  // No or a cancelled dialog still closes, as always.
  while (prompts().askYesNo(this, PromptIcon::Warning, kWarningTitle, QStringLiteral(" Записать последние изменения?"))) {
    if (askPathAndSave() != SaveOutcome::Failed) return;
  }
}

void TBaseForm::SpeedButtonOpenPicClick() {
  ToUndo();
  const QString chosen = prompts().openFileName(this, kOpenCaption, mOpenDialogFileName, kPictureFilter);
  if (!chosen.isEmpty()) {
    mOpenDialogFileName = chosen;
    const model::FileResult result = model::openPictureFile(mModel, chosen);
    if (result.kind == model::FileResult::Kind::NotFound) {
      prompts().message(this, PromptIcon::Error, kErrorTitle, result.message);
    } else if (!result.ok()) {
      ShowError(result.message);
      return;
    } else {
      mSaveDialogFileName = chosen;
      mModel.FileLabel = model::fileLabelFor(chosen);
      FullReturn(1);
    }
  }
  ToNameTx(mOpenDialogFileName);
  setFocus();
}

void TBaseForm::SpeedButtonSavePicClick() {
  if (askPathAndSave() == SaveOutcome::Failed) return;
  ToNameTx(mSaveDialogFileName);
}

void TBaseForm::SAveToFile() { saveToChosenFile(); }

void TBaseForm::ToNameTx(const QString& Path) { mModel.PicName = model::pictureNameFromPath(Path); }

void TBaseForm::ShowError(const QString& text) { prompts().message(this, PromptIcon::Error, kErrorTitle, text); }

TBaseForm::SaveOutcome TBaseForm::askPathAndSave() {
  const QString chosen =
      prompts().saveFileName(this, kSaveCaption, mSaveDialogFileName, kPictureFilter, kPictureSuffix);
  if (chosen.isEmpty()) return SaveOutcome::NotSaved;
  mSaveDialogFileName = chosen;
  if (QFileInfo(chosen).isFile() &&
      !prompts().askYesNo(this, PromptIcon::Warning, kWarningTitle,
                          QStringLiteral("Файл с таким именем существует, переписать?")))
    return SaveOutcome::NotSaved;
  return saveToChosenFile() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool TBaseForm::saveToChosenFile() {
  const model::FileResult result = model::savePictureFile(mModel, mSaveDialogFileName);
  if (!result.ok()) {
    // The picture still counts as unsaved: the undo button stays as it was.
    ShowError(result.message);
    return false;
  }
  mModel.FileLabel = model::fileLabelFor(mSaveDialogFileName);
  SpeedButtonUndo->setEnabled(false);
  ToNameTx(mSaveDialogFileName);
  return true;
}

}  // namespace laserpic::ui
