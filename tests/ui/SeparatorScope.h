#pragma once
// Sets the process decimal separator for the lifetime of a test and restores
// it, so that number texts do not depend on the machine's locale.

#include "nls/FormatSettings.h"

class SeparatorScope
{
public:
    explicit SeparatorScope(char separator)
        : m_saved(tankora::ProcessFormatSettings().DecimalSeparator)
    {
        tankora::ProcessFormatSettings().DecimalSeparator = separator;
    }
    ~SeparatorScope() { tankora::ProcessFormatSettings().DecimalSeparator = m_saved; }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    char m_saved;
};
