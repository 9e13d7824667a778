#include "background_image.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

#include <sys/resource.h>

#include "raster_reply.h"

#if defined(__SANITIZE_ADDRESS__)
#define LASERPIC_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LASERPIC_ASAN 1
#endif
#endif

namespace laserpic::model {
namespace {

constexpr int kImageAllocationLimitMb = 256;
constexpr qsizetype kMaxHelperMessage = 4096;

QString failureText(const QString& path, const QString& reason) {
  return QStringLiteral("Не могу загрузить картинку\n%1\n%2").arg(QFileInfo(path).absoluteFilePath(), reason);
}

BackgroundResult failed(const QString& path, const QString& reason) { return {QImage(), failureText(path, reason)}; }

// Qt decodes a cut-off uncompressed bitmap without complaint, filling the
// missing rows; the header says how many bytes the pixels need.
bool bitmapIsComplete(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(34);
  if (head.size() < 34) return false;
  const auto* d = reinterpret_cast<const uchar*>(head.constData());
  const quint32 headerSize = qFromLittleEndian<quint32>(d + 14);
  if (headerSize < 40) return true;  // old core headers: left to the decoder
  const quint32 offset = qFromLittleEndian<quint32>(d + 10);
  const qint64 width = qFromLittleEndian<qint32>(d + 18);
  const qint64 height = qFromLittleEndian<qint32>(d + 22);
  const quint16 bits = qFromLittleEndian<quint16>(d + 28);
  const quint32 compression = qFromLittleEndian<quint32>(d + 30);
  if (compression != 0 && compression != 3) return true;  // run-length data has no fixed size
  const qint64 stride = (width * bits + 31) / 32 * 4;
  return file.size() >= qint64(offset) + stride * qAbs(height);
}

BackgroundResult decodeRaster(const QString& path, const QByteArray& format) {
  QImageReader reader(path, format);
  // The extension decides: a .bmp holding anything else is refused.
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  QImageReader::setAllocationLimit(kImageAllocationLimitMb);
  if (!reader.canRead()) return failed(path, QStringLiteral("the file is not a readable %1 picture").arg(QString::fromLatin1(format).toUpper()));
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
                         qint64(size.width()) * size.height() > kMaxPicturePixels))
    return failed(path, QStringLiteral("the picture is too large (%1 by %2)").arg(size.width()).arg(size.height()));
  if (format == "bmp" && !bitmapIsComplete(path)) return failed(path, QStringLiteral("the bitmap is cut off"));
  QImage image = reader.read();
  if (image.isNull()) return failed(path, reader.errorString());
  return {image, {}};
}

// The helper's own line among whatever the libraries printed.
QString helperReason(const QByteArray& err) {
  const QByteArray prefix = "laserpic-metafile: ";
  const qsizetype at = err.lastIndexOf(prefix);
  if (at < 0) return QStringLiteral("the metafile converter cannot read it");
  QByteArray line = err.mid(at + prefix.size());
  const qsizetype end = line.indexOf('\n');
  if (end >= 0) line.truncate(end);
  return QString::fromUtf8(line).trimmed();
}

void limitHelper(const MetafileHelperOptions& options) {
  // Runs in the child between fork and exec: plain system calls only.
  auto limit = [](int resource, rlim_t soft, rlim_t hard) {
    struct rlimit value;
    value.rlim_cur = soft;
    value.rlim_max = hard;
    setrlimit(resource, &value);
  };
#ifndef LASERPIC_ASAN
  // AddressSanitizer reserves far more address space than any sane limit.
  limit(RLIMIT_AS, rlim_t(options.memoryBytes), rlim_t(options.memoryBytes));
#endif
  limit(RLIMIT_CPU, rlim_t(options.cpuSeconds), rlim_t(options.cpuSeconds + 1));
  limit(RLIMIT_FSIZE, 0, 0);
  limit(RLIMIT_CORE, 0, 0);
}

}  // namespace

QString pictureDialogFilter() {
  return QStringLiteral(
      "Все картинки (*.bmp *.ico *.emf *.wmf *.jpg *.jpeg);;"
      "Точечный рисунок (*.bmp);;Значок (*.ico);;Расширенный метафайл (*.emf);;"
      "Метафайл (*.wmf);;JPEG (*.jpg *.jpeg)");
}

QString defaultMetafileHelperPath() {
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/laserpic-metafile");
  if (QFileInfo(beside).isExecutable()) return beside;
  return QStringLiteral(LASERPIC_METAFILE_HELPER_BUILD_PATH);
}

BackgroundResult runMetafileHelper(const QByteArray& data, const QString& kind, const MetafileHelperOptions& options) {
  const QString program = options.program.isEmpty() ? defaultMetafileHelperPath() : options.program;
  QProcess process;
  process.setProgram(program);
  process.setArguments({kind});
  process.setChildProcessModifier([options] { limitHelper(options); });
  QDeadlineTimer deadline(options.timeoutMs);
  process.start();
  if (!process.waitForStarted(options.timeoutMs))
    return {QImage(), QStringLiteral("the metafile converter did not start (%1)").arg(process.errorString())};
  process.write(data);
  process.closeWriteChannel();

  QByteArray out;
  QByteArray err;
  bool tooLarge = false;
  bool timedOut = false;
  while (true) {
    const bool finished = process.waitForFinished(20) || process.state() == QProcess::NotRunning;
    out += process.readAllStandardOutput();
    // Only the tail matters: the helper's reason comes last.
    err += process.readAllStandardError();
    if (err.size() > kMaxHelperMessage) err = err.right(kMaxHelperMessage);
    if (out.size() > kMaxRasterReplySize) tooLarge = true;
    if (finished) break;
    if (tooLarge || deadline.hasExpired()) {
      timedOut = !tooLarge;
      process.kill();
      process.waitForFinished(1000);
      break;
    }
  }
  if (timedOut) return {QImage(), QStringLiteral("the metafile converter took too long and was stopped")};
  if (tooLarge) return {QImage(), QStringLiteral("the metafile converter gave too much output")};
  if (process.exitStatus() == QProcess::CrashExit)
    return {QImage(), QStringLiteral("the metafile converter failed on this file and was stopped")};
  if (process.exitCode() != 0) return {QImage(), helperReason(err)};
  QString error;
  QImage image = decodeRasterReply(out, &error);
  if (image.isNull()) return {QImage(), error};
  return {image, {}};
}

BackgroundResult loadBackgroundImage(const QString& path, const MetafileHelperOptions& helper) {
  const QFileInfo info(path);
  if (!info.isFile()) return failed(path, QStringLiteral("the file does not exist"));
  const QString suffix = info.suffix().toLower();
  if (suffix == QLatin1String("bmp")) return decodeRaster(path, "bmp");
  if (suffix == QLatin1String("ico")) return decodeRaster(path, "ico");
  if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return decodeRaster(path, "jpeg");
  if (suffix != QLatin1String("wmf") && suffix != QLatin1String("emf"))
    return failed(path, QStringLiteral("unknown picture file extension"));

  if (info.size() > kMaxMetafileBytes) return failed(path, QStringLiteral("the metafile is too large"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return failed(path, file.errorString());
  const QByteArray data = file.read(kMaxMetafileBytes + 1);
  if (file.error() != QFileDevice::NoError) return failed(path, file.errorString());
  BackgroundResult result = runMetafileHelper(data, suffix, helper);
  if (!result.ok()) result.error = failureText(path, result.error);
  return result;
}

}  // namespace laserpic::model
