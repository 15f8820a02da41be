// The program's own resources, addressed by type and name as the Qt
// resource ":/<TYPE>/<Name>" (e.g. ":/RCDATA/TMainForm",
// ":/LANGBUNDLE/MlDictionary"). The build embeds them with
// tankora_add_resource() / tankora_add_forms() (cmake/TankoraResources.cmake).
#pragma once

#include "framework/streams/MemoryStream.h"

#include <string>

inline constexpr const char* kRcData = "RCDATA";

// ":/<type>/<name>".
std::string ResourcePath(const std::string& type, const std::string& name);
bool ResourceExists(const std::string& type, const std::string& name);

// A read-only stream over a resource's bytes. A missing resource raises
// EResNotFound "Resource <name> not found".
class TResourceStream : public TCustomMemoryStream
{
public:
    TResourceStream(const std::string& name, const std::string& type);
};
