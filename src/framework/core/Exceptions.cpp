#include "framework/core/Exceptions.h"

#include "framework/app/ResStrings.h"

EFOpenError::EFOpenError(const std::string& fileName)
    : EStreamError(FormatResString(SFOpenError, fileName))
{ }

EFCreateError::EFCreateError(const std::string& fileName)
    : EStreamError(FormatResString(SFCreateError, fileName))
{ }

EReadError::EReadError()
    : EFilerError(LoadResString(SReadError))
{ }

EComponentReadError::EComponentReadError(const std::string& context, const std::string& why)
    : EReadError(FormatResString(SErrorReading, context, why))
{ }

EWriteError::EWriteError()
    : EFilerError(LoadResString(SWriteError))
{ }

EResNotFound EResNotFound::ForResource(const std::string& name)
{
    return EResNotFound(FormatResString(SResNotFound, name));
}

ERangeError::ERangeError()
    : Exception(LoadResString(SRangeError))
{ }

EListError EListError::IndexOutOfBounds(long long index)
{
    return EListError(FormatResString(SListIndexError, index));
}
