#include "ParameterFile.h"

#include <QFile>
#include <array>
#include <cstring>

namespace hvxsim {
namespace {

constexpr qint64 kFileSize = 1280;
constexpr char kMagic[] = "HXD Version 1.0 Parameter Image File Format";

// Where the pieces of the parameter set lie in the file: a two-byte gap after byte 13.
struct Piece {
    qint64 fileOffset;
    std::size_t setOffset;
    std::size_t size;
};
constexpr std::array kPieces{
    Piece{720, 0, 14},
    Piece{736, 14, 32},
    Piece{768, 46, 480},
    Piece{1248, 526, 32},
};

} // namespace

std::optional<ParameterImage> ReadParameterFile(const std::string& path, std::string* error)
{
    auto fail = [&](const std::string& why) -> std::optional<ParameterImage> {
        if (error)
            *error = path + ": " + why;
        return std::nullopt;
    };
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString().toStdString());
    const QByteArray content = file.read(kFileSize + 1);
    if (content.size() != kFileSize)
        return fail("not a configuration file (" + std::to_string(content.size()) + " bytes instead of 1280)");
    if (std::memcmp(content.constData(), kMagic, sizeof kMagic - 1) != 0)
        return fail("not a configuration file (its header is missing)");
    ParameterImage image{};
    for (const Piece& piece : kPieces)
        std::memcpy(image.data() + piece.setOffset, content.constData() + piece.fileOffset, piece.size);
    return image;
}

} // namespace hvxsim
