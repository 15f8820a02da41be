#include "framework/core/FullMessage.h"

#include "framework/core/Exceptions.h"

std::string FullMessage(const std::exception& error)
{
    if (const auto* framework = dynamic_cast<const Exception*>(&error))
        return framework->Message();
    return error.what();
}
