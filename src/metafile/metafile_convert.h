#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace laserpic::metafile {

enum class MetafileKind { Wmf, Emf };

// Walks the record structure before any library sees the bytes: every record
// must lie inside the data and the last one must end the metafile. This keeps
// the plainly broken files (a lone header, a cut-off record) away from the
// converters, which read past such ends.
bool checkWmfStructure(const QByteArray& data, QString* error);
bool checkEmfStructure(const QByteArray& data, QString* error);

// Conversions to SVG text; an empty result and the reason on failure.
QByteArray wmfToSvg(const QByteArray& data, QString* error);
QByteArray emfToSvg(const QByteArray& data, QString* error);

// Renders SVG on white, keeping its proportions, at most maxSide pixels wide
// and high.
QImage renderSvg(const QByteArray& svg, int maxSide, QString* error);

// The whole road from metafile bytes to a bounded raster.
QImage convertMetafile(MetafileKind kind, const QByteArray& data, int maxSide, QString* error);

}  // namespace laserpic::metafile
