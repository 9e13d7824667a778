#pragma once

#include <QByteArray>
#include <QString>

#include "model/figure_model.h"

namespace laserpic::model {

// The outcome of a picture file operation. The window shows `message` as is.
struct FileResult {
  enum class Kind { Ok, NotFound, TooShort, ReadFailed, WriteFailed };
  Kind kind = Kind::Ok;
  QString message;

  bool ok() const { return kind == Kind::Ok; }
};

// Puts the 2048 bytes of a picture file into FileImage and the figure. Fewer
// bytes change nothing: keeping a partial file in FileImage would carry its
// bytes into the spare stretches of the next saved file. Extra bytes are ignored.
FileResult loadPictureBytes(FigureModel& m, const QByteArray& bytes, const QString& path = {});

// The bytes a save writes: the figure stored into FileImage, its first 2048 bytes.
QByteArray pictureBytesForSave(FigureModel& m);

// Reads a picture file (opened read-only) into FileImage and the figure.
// On any failure the model stays exactly as it was.
FileResult openPictureFile(FigureModel& m, const QString& path);

// Stores the figure into FileImage and writes the picture file. The target is
// replaced only once every byte has reached the disk, so a failed save leaves
// the old file intact.
FileResult savePictureFile(FigureModel& m, const QString& path);

// The upload name for a path: the file name without its extension when the
// file exists, " NoName " otherwise.
QString pictureNameFromPath(const QString& path);

// " [<full path>]", the title part naming the picture file.
QString fileLabelFor(const QString& path);

}  // namespace laserpic::model
