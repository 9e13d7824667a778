// The picture file reader: any bytes either load whole or change nothing, and
// a loaded file saves back byte for byte.
#include <QByteArray>

#include <cstdlib>
#include <cstring>

#include "model/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace laserpic::model;
  FigureModel m;
  clearFigure(m);
  const FigureModel before = m;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const FileResult r = loadPictureBytes(m, bytes);
  if (!r.ok()) {
    if (m.FileImage != before.FileImage || m.PicX != before.PicX || m.PicY != before.PicY) std::abort();
    return 0;
  }
  if (pictureBytesForSave(m) != bytes.left(kPictureFileSize)) std::abort();
  return 0;
}
