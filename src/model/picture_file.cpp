#include "picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace laserpic::model {
namespace {

constexpr int kYOffset = 1024;

QString displayPath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

FileResult loadPictureBytes(FigureModel& m, const QByteArray& bytes, const QString& path) {
  if (bytes.size() < kPictureFileSize) {
    return {FileResult::Kind::TooShort,
            QStringLiteral("Read beyond end of file\n%1\n(%2 bytes, a picture file holds %3)")
                .arg(displayPath(path))
                .arg(bytes.size())
                .arg(kPictureFileSize)};
  }
  std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()), kPictureFileSize,
              m.FileImage.begin());
  for (int i = 0; i < kPointCount; ++i) {
    m.PicX[i] = m.FileImage[i];
    m.PicY[i] = m.FileImage[kYOffset + i];
  }
  return {};
}

QByteArray pictureBytesForSave(FigureModel& m) {
  for (int i = 0; i < kPointCount; ++i) {
    m.FileImage[i] = m.PicX[i];
    m.FileImage[kYOffset + i] = m.PicY[i];
  }
  return QByteArray(reinterpret_cast<const char*>(m.FileImage.data()), kPictureFileSize);
}

FileResult openPictureFile(FigureModel& m, const QString& path) {
  QFile file(path);
  if (!QFileInfo(path).isFile()) return {FileResult::Kind::NotFound, QStringLiteral("Файл не найден !")};
  // Read-only, so that a write-protected picture opens too.
  if (!file.open(QIODevice::ReadOnly)) {
    return {FileResult::Kind::ReadFailed,
            QStringLiteral("File access denied\n%1\n%2").arg(displayPath(path), file.errorString())};
  }
  // One byte more than needed would tell nothing; only the first 2048 count.
  const QByteArray bytes = file.read(kPictureFileSize);
  if (file.error() != QFileDevice::NoError) {
    return {FileResult::Kind::ReadFailed,
            QStringLiteral("File read error\n%1\n%2").arg(displayPath(path), file.errorString())};
  }
  return loadPictureBytes(m, bytes, path);
}

FileResult savePictureFile(FigureModel& m, const QString& path) {
  const QByteArray bytes = pictureBytesForSave(m);
  auto failed = [&path](const QString& reason) {
    return FileResult{FileResult::Kind::WriteFailed,
                      QStringLiteral("Disk write error\n%1\n%2").arg(displayPath(path), reason)};
  };
  QSaveFile file(path);
  // Unbuffered: every write reaches the system at once and reports its own
  // failure, instead of a full disk showing up only in the flush inside commit().
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(file.errorString());
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return failed(reason);
    }
    written += n;
  }
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failed(reason);
  }
  if (!file.commit()) return failed(file.errorString());
  return {};
}

QString pictureNameFromPath(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return QStringLiteral(" NoName ");
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

QString fileLabelFor(const QString& path) {
  return QStringLiteral(" [") + displayPath(path) + QStringLiteral("]");
}

}  // namespace laserpic::model
