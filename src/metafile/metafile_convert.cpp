#include "metafile_convert.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace laserpic::metafile {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
constexpr int kPlaceableSize = 22;
constexpr int kWmfHeaderSize = 18;
constexpr quint32 kEmfSignature = 0x464D4520u;  // " EMF"
constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr int kEmfMinHeaderSize = 88;

quint16 u16(const QByteArray& d, qsizetype at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(d.constData()) + at);
}
quint32 u32(const QByteArray& d, qsizetype at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(d.constData()) + at);
}

bool fail(QString* error, const char* why) {
  if (error) *error = QString::fromLatin1(why);
  return false;
}

}  // namespace

bool checkWmfStructure(const QByteArray& data, QString* error) {
  qsizetype at = 0;
  if (data.size() >= 4 && u32(data, 0) == kPlaceableKey) at = kPlaceableSize;
  if (data.size() < at + kWmfHeaderSize) return fail(error, "the metafile header is incomplete");
  const quint16 type = u16(data, at);
  const quint16 headerWords = u16(data, at + 2);
  if ((type != 1 && type != 2) || headerWords != kWmfHeaderSize / 2)
    return fail(error, "not a Windows metafile");
  // The library sizes its record buffer from the header's largest record.
  const qint64 largestRecord = qint64(u32(data, at + 12)) * 2;
  if (largestRecord > data.size()) return fail(error, "the metafile header is inconsistent");
  at += kWmfHeaderSize;
  while (true) {
    if (data.size() - at < 6) return fail(error, "the metafile ends inside a record");
    const qint64 bytes = qint64(u32(data, at)) * 2;
    const quint16 function = u16(data, at + 4);
    if (bytes < 6 || bytes > data.size() - at) return fail(error, "a metafile record lies outside the file");
    if (bytes > largestRecord) return fail(error, "the metafile header is inconsistent");
    if (function == 0) return true;
    at += bytes;
  }
}

bool checkEmfStructure(const QByteArray& data, QString* error) {
  if (data.size() < kEmfMinHeaderSize) return fail(error, "the metafile header is incomplete");
  if (u32(data, 0) != kEmrHeader || u32(data, 40) != kEmfSignature)
    return fail(error, "not an enhanced metafile");
  qsizetype at = 0;
  while (true) {
    if (data.size() - at < 8) return fail(error, "the metafile ends inside a record");
    const quint32 type = u32(data, at);
    const quint32 size = u32(data, at + 4);
    if (size < 8 || size % 4 != 0 || size > quint64(data.size() - at))
      return fail(error, "a metafile record lies outside the file");
    if (at == 0) {
      if (size < quint32(kEmfMinHeaderSize)) return fail(error, "the metafile header is incomplete");
      // The description and the pixel format must lie inside the header
      // record, and the description must end in a zero character, which
      // the library looks for whatever the stated length.
      const quint32 descriptionChars = u32(data, 60);
      const quint32 descriptionAt = u32(data, 64);
      if (descriptionChars != 0 || descriptionAt != 0) {
        const quint64 end = quint64(descriptionAt) + quint64(descriptionChars) * 2;
        if (descriptionAt < quint32(kEmfMinHeaderSize) || descriptionAt % 2 != 0 || end > size)
          return fail(error, "the metafile header is inconsistent");
        bool terminated = false;
        for (quint64 i = descriptionAt; i + 1 < end && !terminated; i += 2) terminated = u16(data, qsizetype(i)) == 0;
        if (!terminated) return fail(error, "the metafile header is inconsistent");
      }
      if (u32(data, 48) > quint64(data.size())) return fail(error, "the metafile header is inconsistent");
      if (size >= 100 && u32(data, 88) != 0 && quint64(u32(data, 88)) + u32(data, 92) > size)
        return fail(error, "the metafile header is inconsistent");
    }
    if (type == kEmrEof) {
      if (size < 20) return fail(error, "the metafile's end record is incomplete");
      return true;
    }
    at += size;
  }
}

QByteArray wmfToSvg(const QByteArray& data, QString* error) {
  // The library looks for the PostScript base fonts, which a desktop may lack;
  // the DejaVu faces stand in for them, and the base fonts win where present.
  static char urw[] = "/usr/share/fonts/type1/urw-base35";
  static char dejavu[] = "/usr/share/fonts/truetype/dejavu";
  static char* fontDirs[] = {urw, dejavu, nullptr};
  static wmfFontMap noWmfMap[] = {{nullptr, nullptr, nullptr, nullptr, nullptr}};
  static wmfMapping noSubstitutes[] = {{nullptr, nullptr, FT_ENCODING_NONE}};
  static wmfMapping psToFile[] = {
      {const_cast<char*>("Times-Roman"), const_cast<char*>("DejaVuSerif.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Times-Italic"), const_cast<char*>("DejaVuSerif-Italic.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Times-Bold"), const_cast<char*>("DejaVuSerif-Bold.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Times-BoldItalic"), const_cast<char*>("DejaVuSerif-BoldItalic.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Helvetica"), const_cast<char*>("DejaVuSans.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Helvetica-Oblique"), const_cast<char*>("DejaVuSans-Oblique.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Helvetica-Bold"), const_cast<char*>("DejaVuSans-Bold.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Helvetica-BoldOblique"), const_cast<char*>("DejaVuSans-BoldOblique.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Courier"), const_cast<char*>("DejaVuSansMono.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Courier-Oblique"), const_cast<char*>("DejaVuSansMono-Oblique.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Courier-Bold"), const_cast<char*>("DejaVuSansMono-Bold.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Courier-BoldOblique"), const_cast<char*>("DejaVuSansMono-BoldOblique.ttf"), FT_ENCODING_NONE},
      {const_cast<char*>("Symbol"), const_cast<char*>("DejaVuSans.ttf"), FT_ENCODING_NONE},
      {nullptr, nullptr, FT_ENCODING_NONE}};

  wmfAPI* api = nullptr;
  wmfAPI_Options options;
  std::memset(&options, 0, sizeof options);
  options.function = wmf_svg_function;
  options.fontdirs = fontDirs;
  options.font.wmf = noWmfMap;
  options.font.sub = noSubstitutes;
  options.font.ps = psToFile;
  const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP;
  if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
    if (api) wmf_api_destroy(api);
    fail(error, "the WMF library did not start");
    return {};
  }
  QByteArray copy = data;  // the library wants a writable buffer
  QByteArray svg;
  wmfD_Rect bbox;
  unsigned int width = 0;
  unsigned int height = 0;
  wmf_svg_t* device = WMF_SVG_GetData(api);
  if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(copy.data()), long(copy.size())) != wmf_E_None ||
      wmf_scan(api, 0, &bbox) != wmf_E_None ||
      wmf_display_size(api, &width, &height, 72, 72) != wmf_E_None) {
    fail(error, "the WMF library cannot read the metafile");
  } else {
    device->out = wmf_stream_create(api, nullptr);
    device->Description = const_cast<char*>("laserpic");
    device->bbox = bbox;
    device->width = width;
    device->height = height;
    const bool played = wmf_play(api, 0, &bbox) == wmf_E_None;
    char* buffer = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api, device->out, &buffer, &length);
    if (!played) {
      fail(error, "the WMF library cannot draw the metafile");
    } else if (buffer && length > 0) {
      svg = QByteArray(buffer, qsizetype(length));
    } else {
      fail(error, "the WMF library gave no drawing");
    }
    // The stream's memory belongs to the API and goes with it.
  }
  wmf_api_destroy(api);
  return svg;
}

QByteArray emfToSvg(const QByteArray& data, QString* error) {
  generatorOptions options;
  std::memset(&options, 0, sizeof options);
  options.nameSpace = const_cast<char*>("svg");
  options.verbose = false;
  options.emfplus = true;
  options.svgDelimiter = true;
  QByteArray copy = data;
  char* out = nullptr;
  size_t length = 0;
  const int ok = emf2svg(copy.data(), size_t(copy.size()), &out, &length, &options);
  QByteArray svg;
  if (ok && out && length > 0) svg = QByteArray(out, qsizetype(length));
  std::free(out);
  if (svg.isEmpty()) fail(error, "the EMF library cannot read the metafile");
  return svg;
}

QImage renderSvg(const QByteArray& svg, int maxSide, QString* error) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    fail(error, "the converted drawing is not valid SVG");
    return {};
  }
  QSizeF size = renderer.viewBoxF().size();
  if (size.isEmpty()) size = renderer.defaultSize();
  const auto usable = [](double v) { return std::isfinite(v) && v > 1e-3 && v < 1e9; };
  if (!usable(size.width()) || !usable(size.height())) size = QSizeF(maxSide, maxSide);
  size *= maxSide / std::max(size.width(), size.height());
  const QSize pixels(qBound(1, int(std::lround(size.width())), maxSide),
                     qBound(1, int(std::lround(size.height())), maxSide));
  QImage image(pixels, QImage::Format_ARGB32);
  if (image.isNull()) {
    fail(error, "no memory for the image");
    return {};
  }
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  painter.end();
  return image;
}

QImage convertMetafile(MetafileKind kind, const QByteArray& data, int maxSide, QString* error) {
  const bool sound = kind == MetafileKind::Wmf ? checkWmfStructure(data, error) : checkEmfStructure(data, error);
  if (!sound) return {};
  const QByteArray svg = kind == MetafileKind::Wmf ? wmfToSvg(data, error) : emfToSvg(data, error);
  if (svg.isEmpty()) return {};
  return renderSvg(svg, maxSide, error);
}

}  // namespace laserpic::metafile
