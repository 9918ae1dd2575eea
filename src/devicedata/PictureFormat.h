#pragma once
// The picture formats a chart is written in, chosen by the output file's extension.

#include <QFileInfo>
#include <QString>
#include <optional>

namespace hvx {

enum class PictureFormat { Png, Svg, Pdf };

// The format of an output file by its extension (any case); nothing for another one.
inline std::optional<PictureFormat> PictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

} // namespace hvx
