#pragma once

#include <QImage>
#include <QString>

namespace laserpic::model {

// How the metafile helper is run. The defaults suit the editor; tests point
// `program` at stand-ins and shorten the timeout.
struct MetafileHelperOptions {
  QString program;  // empty: the helper installed beside the editor
  int timeoutMs = 10000;
  int cpuSeconds = 5;
  qint64 memoryBytes = qint64(512) * 1024 * 1024;  // the helper needs about 100 MB
};

struct BackgroundResult {
  QImage image;   // null on failure
  QString error;  // names the file and the reason
  bool ok() const { return !image.isNull(); }
};

// Largest raster picture accepted, checked from the header before decoding.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr qint64 kMaxPicturePixels = qint64(40) * 1000 * 1000;
// Largest metafile handed to the helper.
inline constexpr qint64 kMaxMetafileBytes = 16 * 1024 * 1024;

// The filter of the picture dialog: the formats below, chosen by extension.
QString pictureDialogFilter();

// Reads a background picture. BMP, ICO and JPEG are decoded here, with the
// format fixed by the extension; WMF and EMF go through the helper.
BackgroundResult loadBackgroundImage(const QString& path, const MetafileHelperOptions& helper = {});

// Runs the helper on metafile bytes and checks its raster; kind is "wmf" or "emf".
BackgroundResult runMetafileHelper(const QByteArray& data, const QString& kind,
                                   const MetafileHelperOptions& helper = {});

QString defaultMetafileHelperPath();

}  // namespace laserpic::model
