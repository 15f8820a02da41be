#include "framework/streams/ResourceStream.h"

#include "framework/core/Exceptions.h"

#include <QFileInfo>
#include <QResource>
#include <QString>

namespace {

QByteArray ResourceBytes(const QResource& resource)
{
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
            static_cast<qsizetype>(resource.size()));
    return resource.uncompressedData();
}

QResource Lookup(const std::string& type, const std::string& name)
{
    return QResource(QString::fromStdString(ResourcePath(type, name)));
}

} // namespace

std::string ResourcePath(const std::string& type, const std::string& name)
{
    return ":/" + type + "/" + name;
}

bool ResourceExists(const std::string& type, const std::string& name)
{
    const QResource resource = Lookup(type, name);
    return QFileInfo(QString::fromStdString(ResourcePath(type, name))).isFile();
}

TResourceStream::TResourceStream(const std::string& name, const std::string& type)
{
    // Names with a slash would address another type's folder.
    if (name.empty() || name.find('/') != std::string::npos || !ResourceExists(type, name))
        throw EResNotFound::ForResource(name);
    m_bytes = ResourceBytes(Lookup(type, name));
}
