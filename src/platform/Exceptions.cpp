#include "Exceptions.h"

EFOpenError::EFOpenError(const std::string& fileName)
    : EStreamError("Cannot open file " + fileName)
{ }

EFCreateError::EFCreateError(const std::string& fileName)
    : EStreamError("Cannot create file " + fileName)
{ }

EReadError::EReadError()
    : EFilerError(kStreamReadError)
{ }

EWriteError::EWriteError()
    : EFilerError(kStreamWriteError)
{ }

EResNotFound EResNotFound::ForResource(const std::string& name)
{
    return EResNotFound("Resource " + name + " not found");
}

ERangeError::ERangeError()
    : Exception(kRangeCheckError)
{ }

EListError EListError::IndexOutOfBounds(long long index)
{
    return EListError("List index out of bounds (" + std::to_string(index) + ")");
}
