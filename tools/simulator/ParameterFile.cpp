#include "ParameterFile.h"

#include "document/ConfigFileLayout.h"

#include <QFile>
#include <cstring>

namespace hvxsim {

// Reads the file directly with the file layout instead of through the document's file class:
// that class creates a missing file and reports through the application's message boxes and
// error code, while the simulator must only read and tell its own user what is wrong.
std::optional<hvx::Parametersatz> ReadParameterFile(const std::string& path, std::string* error)
{
    namespace file = hvx::configfile;
    auto fail = [&](const std::string& why) -> std::optional<hvx::Parametersatz> {
        if (error)
            *error = path + ": " + why;
        return std::nullopt;
    };
    QFile input(QString::fromStdString(path));
    if (!input.open(QIODevice::ReadOnly))
        return fail(input.errorString().toStdString());
    const QByteArray content = input.read(file::kFileSize + 1);
    if (content.size() != file::kFileSize)
        return fail("not a configuration file (" + std::to_string(content.size()) + " bytes instead of " +
                    std::to_string(file::kFileSize) + ")");
    if (std::memcmp(content.constData(), file::kMagic, file::kMagicSize) != 0)
        return fail("not a configuration file (its header is missing)");
    hvx::Parametersatz image;
    for (const file::ParameterSegment& segment : file::kParameterSegments)
        std::memcpy(image.bytes().data() + segment.imageOffset, content.constData() + segment.fileOffset, segment.size);
    return image;
}

} // namespace hvxsim
