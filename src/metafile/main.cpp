// laserpic-metafile: turns one WMF or EMF metafile read from standard input
// into a bounded raster on standard output. The editor runs it per load under
// resource limits, because the metafile libraries are not safe on damaged
// files; whatever happens here cannot take the editor down.
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <vector>

#include "metafile/metafile_convert.h"
#include "model/raster_reply.h"

namespace {

constexpr std::size_t kMaxInput = 16 * 1024 * 1024;

// The editor shows the line that carries this prefix; libraries may print more.
int refuse(const QString& why) {
  std::fprintf(stderr, "\nlaserpic-metafile: %s\n", why.toUtf8().constData());
  return 1;
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char** argv) {
  using laserpic::metafile::MetafileKind;
  if (argc != 2 || (std::strcmp(argv[1], "wmf") != 0 && std::strcmp(argv[1], "emf") != 0)) {
    std::fprintf(stderr, "usage: laserpic-metafile wmf|emf < metafile > raster\n");
    return 2;
  }
  const MetafileKind kind = std::strcmp(argv[1], "wmf") == 0 ? MetafileKind::Wmf : MetafileKind::Emf;

  QByteArray data;
  std::vector<char> chunk(65536);
  std::size_t n = 0;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), stdin)) > 0) {
    if (std::size_t(data.size()) + n > kMaxInput) return refuse(QStringLiteral("the metafile is too large"));
    data.append(chunk.data(), qsizetype(n));
  }

  // Fonts for text records need a GUI application; no display is used.
  static char platform[] = "-platform";
  static char offscreen[] = "offscreen";
  int qtArgc = 3;
  char* qtArgv[] = {argv[0], platform, offscreen, nullptr};
  qInstallMessageHandler(quiet);
  QGuiApplication app(qtArgc, qtArgv);

  QString error;
  const QImage image = laserpic::metafile::convertMetafile(kind, data, laserpic::model::kMaxRasterSide, &error);
  if (image.isNull()) return refuse(error);
  const QByteArray reply = laserpic::model::encodeRasterReply(image);
  if (std::fwrite(reply.constData(), 1, std::size_t(reply.size()), stdout) != std::size_t(reply.size()) ||
      std::fflush(stdout) != 0)
    return refuse(QStringLiteral("cannot write the image"));
  return 0;
}
