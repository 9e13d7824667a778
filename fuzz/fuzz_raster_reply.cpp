// The editor's check of the metafile helper's answer: whatever the helper
// writes, the editor gets a bounded image or a refusal.
#include <QByteArray>

#include <cstdlib>

#include "model/raster_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace laserpic::model;
  const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
  QString error;
  const QImage image = decodeRasterReply(reply, &error);
  if (image.isNull()) return 0;
  if (image.width() > kMaxRasterSide || image.height() > kMaxRasterSide) std::abort();
  if (encodeRasterReply(image) != reply) std::abort();
  return 0;
}
