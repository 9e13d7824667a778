// The metafile helper's conversion, in process: the first byte picks WMF or
// EMF, the rest is the metafile. Crashes found here are what the helper's
// process limits contain.
#include <QGuiApplication>

#include "metafile/metafile_convert.h"

namespace {
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static char name[] = "fuzz_metafile";
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  static int argc = 3;
  static char* argv[] = {name, platform, offscreen, nullptr};
  qInstallMessageHandler(quiet);
  static QGuiApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace laserpic::metafile;
  if (size < 1) return 0;
  const MetafileKind kind = data[0] & 1 ? MetafileKind::Emf : MetafileKind::Wmf;
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  QString error;
  // A small raster keeps the runs quick; the size does not change the parsing.
  convertMetafile(kind, bytes, 64, &error);
  return 0;
}
