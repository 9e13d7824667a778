// Writes the starting corpus of each fuzz target into the given folder.
#include <QDir>
#include <QFile>
#include <QImage>

#include "fixtures/metafiles.h"
#include "model/raster_reply.h"

namespace {
void put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const char* d : {"picture_file", "raster_reply", "metafile"}) root.mkpath(d);
  QByteArray picture(2048, char(127));
  for (int i = 0; i < 256; ++i) picture[i] = char(i);
  put(root.filePath("picture_file/diagonal.fgr"), picture);
  QImage image(4, 3, QImage::Format_ARGB32);
  image.fill(qRgba(1, 2, 3, 255));
  put(root.filePath("raster_reply/small"), laserpic::model::encodeRasterReply(image));
  put(root.filePath("metafile/rect.wmf"), QByteArray(1, '\0') + laserpic::fixtures::wmfRectangle());
  put(root.filePath("metafile/rect.emf"), QByteArray(1, '\1') + laserpic::fixtures::emfRectangle());
  put(root.filePath("metafile/header.emf"), QByteArray(1, '\1') + laserpic::fixtures::emfHeaderOnly());
  return 0;
}
